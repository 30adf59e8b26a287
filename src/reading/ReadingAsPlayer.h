#pragma once
#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

class Clock;
class ReadingController;
class TextArea;

// Reading aloud as the desktop's media controls and headset buttons see a player: its status,
// what each control may do now, and what it does, as the buttons of the reading bar would.
// Play starts "Вслух" at the caret when nothing is read, and is "Продолжить" after "Пауза";
// Next goes on at once with the next piece; Previous starts the piece spoken again, or the one
// before it when it began less than JustBegunMs ago.
class ReadingAsPlayer {
public:
    enum class Status { Playing, Paused, Stopped };
    static constexpr qint64 JustBegunMs = 3000;

    // Follows the controller's pieces through its OnPieceStarted, which it takes.
    ReadingAsPlayer(ReadingController &reading, const Clock &clock);
    ~ReadingAsPlayer();
    ReadingAsPlayer(const ReadingAsPlayer &) = delete;
    ReadingAsPlayer &operator=(const ReadingAsPlayer &) = delete;

    Status PlaybackStatus() const;
    bool CanPlay() const;
    bool CanPause() const;
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    QString SpokenPiece() const;  // trimmed; empty when nothing is read

    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();

    // Runs after each new piece, once the player has taken it.
    std::function<void()> OnPieceStarted;

private:
    void PieceStarted(int start, const QString &piece);

    ReadingController &reading;
    const Clock &clock;
    const TextArea *read = nullptr;  // the text the starts are in
    std::vector<int> starts;         // of the pieces of this reading, the one spoken last
    QString piece;
    qint64 pieceBegan = 0;
};
