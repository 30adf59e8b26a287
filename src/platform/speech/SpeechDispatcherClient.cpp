#include "SpeechDispatcherClient.h"
#include "platform/TDirectSS.h"
#include <libspeechd.h>
#include <QHash>
#include <QPointer>
#include <algorithm>
#include <csignal>
#include <poll.h>
#include <pthread.h>

namespace {

constexpr int WatchdogIntervalMs = 250;
const char *const ClientName = "lektavo";

// libspeechd calls back on its own thread with nothing but the client id: this map leads from it
// to the client.
std::mutex clientsMutex;
QHash<size_t, QPointer<SpeechDispatcherClient>> &Clients()
{
    static QHash<size_t, QPointer<SpeechDispatcherClient>> clients;
    return clients;
}

SPDConnection *OpenConnection(const char *connectionName, SPDConnectionMode mode, QString *error)
{
    char *failure = nullptr;
    SPDConnection *connection = spd_open2(ClientName, connectionName, nullptr, mode, nullptr, 1,
                                          &failure);
    if (!connection && error)
        *error = failure ? QString::fromUtf8(failure) : QString("speech-dispatcher is not running");
    free(failure);
    return connection;
}

QList<ServiceVoiceEntry> ModuleVoices(SPDConnection *connection, const char *module)
{
    QList<ServiceVoiceEntry> entries;
    if (spd_set_output_module(connection, module) != 0)
        return entries;
    SPDVoice **voices = spd_list_synthesis_voices(connection);
    for (SPDVoice **voice = voices; voice && *voice; ++voice)
        entries.append({QString::fromUtf8((*voice)->name), QString::fromUtf8((*voice)->language),
                        QString::fromUtf8((*voice)->variant)});
    free_spd_voices(voices);
    return entries;
}

// In single mode every read and write on the connection happens on the calling thread, where
// the interrupt signal can end it.
QList<SpeechVoice> ListServiceVoices(const QList<SpeechVoice> &embedded)
{
    QList<SpeechVoice> list;
    SPDConnection *connection = OpenConnection("voices", SPD_MODE_SINGLE, nullptr);
    if (!connection)
        return list;
    char **modules = spd_list_modules(connection);
    QStringList names;
    for (char **module = modules; module && *module; ++module)
        names << QString::fromUtf8(*module);
    free_spd_modules(modules);
    names.sort();
    for (const QString &module : names) {
        if (module == "dummy")
            continue;
        if (module.startsWith("espeak-ng") && !module.contains("mbrola"))
            list += EspeakModuleVoiceList(module, embedded);
        else
            list += ServiceVoiceList(module, ModuleVoices(connection, module.toUtf8().constData()));
    }
    spd_close(connection);
    return list;
}

// Sent to the query's thread to make a blocking call to the service return with EINTR. SIGURG
// is ignored by default, so one that comes from elsewhere ends nothing either.
constexpr int InterruptSignal = SIGURG;

void InstallInterruptHandler()
{
    [[maybe_unused]] static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;  // no SA_RESTART: the interrupted call fails instead of going on
        return sigaction(InterruptSignal, &action, nullptr) == 0;
    }();
}

}  // namespace

ServiceVoiceQuery::ServiceVoiceQuery(const QList<SpeechVoice> &embedded)
{
    InstallInterruptHandler();
    thread_ = std::thread([this, embedded] { Ask(embedded); });
}

ServiceVoiceQuery::~ServiceVoiceQuery()
{
    Interrupt();
    thread_.join();
}

void ServiceVoiceQuery::Ask(const QList<SpeechVoice> &embedded)
{
    QList<SpeechVoice> voices = ListServiceVoices(embedded);
    std::lock_guard lock(mutex_);
    voices_ = std::move(voices);
    answered_.notify_all();
}

std::optional<QList<SpeechVoice>> ServiceVoiceQuery::Voices(std::chrono::milliseconds timeLimit)
{
    std::unique_lock lock(mutex_);
    answered_.wait_for(lock, timeLimit, [this] { return voices_.has_value(); });
    return voices_;
}

// A signal that comes between two calls interrupts nothing, so it is sent again until the
// thread has answered; once a call has failed, libspeechd takes the connection as broken and
// the calls after it return at once.
void ServiceVoiceQuery::Interrupt()
{
    constexpr auto Resend = std::chrono::milliseconds(10);
    std::unique_lock lock(mutex_);
    while (!voices_) {
        pthread_kill(thread_.native_handle(), InterruptSignal);
        answered_.wait_for(lock, Resend, [this] { return voices_.has_value(); });
    }
}

SpeechDispatcherClient::SpeechDispatcherClient()
{
    watchdog_.setInterval(WatchdogIntervalMs);
    connect(&watchdog_, &QTimer::timeout, this, &SpeechDispatcherClient::CheckConnection);
}

SpeechDispatcherClient::~SpeechDispatcherClient()
{
    Disconnect();
}

void SpeechDispatcherClient::Connect()
{
    if (connection_ && !ConnectionLost())
        return;
    Disconnect();
    QString error;
    connection_ = OpenConnection("voice", SPD_MODE_THREADED, &error);
    if (!connection_)
        throw SpeechError(error.toStdString());
    clientId_ = spd_get_client_id(connection_);
    {
        std::lock_guard lock(clientsMutex);
        Clients().insert(size_t(clientId_), this);
    }
    auto callback = [](size_t message, size_t client, SPDNotificationType type) {
        OnServiceEvent(message, client, int(type), {});
    };
    connection_->callback_end = callback;
    connection_->callback_cancel = callback;
    connection_->callback_im = [](size_t message, size_t client, SPDNotificationType type, char *mark) {
        OnServiceEvent(message, client, int(type), QByteArray(mark));
    };
    spd_set_notification_on(connection_, SPD_END);
    spd_set_notification_on(connection_, SPD_CANCEL);
    spd_set_notification_on(connection_, SPD_INDEX_MARKS);
    if (spd_set_data_mode(connection_, SPD_DATA_SSML) != 0) {
        Disconnect();  // or the next Speak would have the marks read aloud
        throw SpeechError("speech-dispatcher refused SSML");
    }
}

void SpeechDispatcherClient::Disconnect()
{
    if (!connection_)
        return;
    {
        std::lock_guard lock(clientsMutex);
        Clients().remove(size_t(clientId_));
    }
    spd_close(connection_);
    connection_ = nullptr;
    module_.clear();
    voice_.clear();
}

bool SpeechDispatcherClient::ConnectionLost() const
{
    pollfd socket{connection_->socket, POLLRDHUP, 0};
    return poll(&socket, 1, 0) > 0
           && (socket.revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void SpeechDispatcherClient::OnServiceEvent(size_t message, size_t client, int type,
                                            const QByteArray &mark)
{
    std::lock_guard lock(clientsMutex);
    const QPointer<SpeechDispatcherClient> target = Clients().value(client);
    if (!target)
        return;
    QMetaObject::invokeMethod(target, [target, message, type, mark] {
        if (!target)
            return;
        if (type == SPD_EVENT_END)
            target->OnEnd(int(message));
        else if (type == SPD_EVENT_CANCEL)
            target->OnCancel(int(message));
        else if (type == SPD_EVENT_INDEX_MARK)
            target->OnMark(int(message), mark);
    }, Qt::QueuedConnection);
}

void SpeechDispatcherClient::Speak(const SpeechVoice &voice, const QString &text, int rate,
                                   int pitch, int volume)
{
    Say({0, voice, MarkedText(text), 0, -1, rate, pitch, volume});
}

void SpeechDispatcherClient::Say(Utterance utterance)
{
    if (utterance.text.Text().trimmed().isEmpty()) {
        utterance.message = -(++blankMessages_);
        const int message = utterance.message;
        speaking_.append(utterance);
        QMetaObject::invokeMethod(this, [this, message] { OnEnd(message); }, Qt::QueuedConnection);
        return;
    }
    Connect();
    const SpeechVoice &voice = utterance.voice;
    if (module_ != voice.module || voice_ != voice.synthesisName) {
        if (spd_set_output_module(connection_, voice.module.constData()) != 0
            || spd_set_synthesis_voice(connection_, voice.synthesisName.constData()) != 0)
            throw SpeechError("speech-dispatcher refused the voice " + voice.modeName.toStdString());
        module_ = voice.module;
        voice_ = voice.synthesisName;
    }
    spd_set_voice_rate(connection_, utterance.rate);
    spd_set_voice_pitch(connection_, utterance.pitch);
    spd_set_volume(connection_, utterance.volume);
    if (speaking_.isEmpty() && !finishing_.isEmpty())
        CancelAll();  // nothing but the silence behind the last sound is left
    utterance.reached = -1;
    utterance.message = spd_say(connection_, SPD_MESSAGE, utterance.text.Ssml(utterance.from).constData());
    if (utterance.message <= 0)
        throw SpeechError("speech-dispatcher did not take the text");
    speaking_.append(utterance);
    watchdog_.start();
}

void SpeechDispatcherClient::OnEnd(int message)
{
    if (finishing_.removeOne(message))
        return;
    for (qsizetype i = 0; i < speaking_.size(); ++i) {
        if (speaking_[i].message == message) {
            speaking_.remove(i);
            if (speaking_.isEmpty())
                watchdog_.stop();
            if (Finished)
                Finished();
            return;
        }
    }
}

void SpeechDispatcherClient::OnCancel(int message)
{
    finishing_.removeOne(message);
    Forget(message);
}

void SpeechDispatcherClient::OnMark(int message, const QByteArray &name)
{
    const auto utterance = std::find_if(speaking_.begin(), speaking_.end(),
                                        [message](const Utterance &u) { return u.message == message; });
    if (utterance == speaking_.end())
        return;
    if (MarkedText::IsEndMark(name)) {
        finishing_.append(message);
        Forget(message);
        if (Finished)
            Finished();
        return;
    }
    const std::optional<int> word = utterance->text.WordOfMark(name);
    if (!word)
        return;
    utterance->reached = *word;
    const MarkedText::Word &reached = utterance->text.Words()[*word];
    if (WordReached)
        WordReached(reached.position, reached.length);
}

void SpeechDispatcherClient::Forget(int message)
{
    speaking_.removeIf([message](const Utterance &utterance) { return utterance.message == message; });
    if (speaking_.isEmpty())
        watchdog_.stop();
}

// Every message of this connection, the one under way and those queued behind it.
void SpeechDispatcherClient::CancelAll()
{
    speaking_.clear();
    finishing_.clear();
    watchdog_.stop();
    if (connection_ && !ConnectionLost())
        spd_cancel(connection_);
}

void SpeechDispatcherClient::CheckConnection()
{
    if (speaking_.isEmpty()) {
        watchdog_.stop();
        return;
    }
    if (!connection_ || !ConnectionLost())
        return;
    speaking_.clear();
    finishing_.clear();
    watchdog_.stop();
    Disconnect();
    if (Finished)
        Finished();
}

void SpeechDispatcherClient::Pause()
{
    if (speaking_.isEmpty())
        return;
    for (Utterance utterance : std::as_const(speaking_)) {
        if (utterance.reached >= 0)
            utterance.from = utterance.reached;
        paused_.append(utterance);
    }
    CancelAll();
}

void SpeechDispatcherClient::Resume()
{
    const QList<Utterance> paused = std::exchange(paused_, {});
    for (const Utterance &utterance : paused)
        Say(utterance);
}

void SpeechDispatcherClient::Reset()
{
    paused_.clear();
    if (!speaking_.isEmpty() || !finishing_.isEmpty())
        CancelAll();
}
