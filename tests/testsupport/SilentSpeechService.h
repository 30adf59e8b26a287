#pragma once
#include <QByteArray>
#include <QTemporaryDir>

// A socket that speech-dispatcher clients, and programs started meanwhile, find through
// SPEECHD_ADDRESS while it lives: it takes connections into its queue and never answers.
class SilentSpeechService {
public:
    SilentSpeechService();
    ~SilentSpeechService();
    SilentSpeechService(const SilentSpeechService &) = delete;
    SilentSpeechService &operator=(const SilentSpeechService &) = delete;

    bool Listening() const { return listening; }
    void HangUpOnTheFirstClient() const;

private:
    QTemporaryDir folder;
    QByteArray previousAddress;
    int socket = -1;
    bool listening = false;
};
