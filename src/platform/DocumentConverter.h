#pragma once
#include <QString>
#include <stop_token>

inline constexpr auto kOpenFailedMessage = "Could not open file. Try to work with files *.txt";

// What a conversion gives: the document's plain text with lines ending in LF, or the message that
// tells the user why there is none.
struct ConvertedDocument {
    enum class Outcome { Converted, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    QString text;     // when converted
    QString message;  // when failed

    static ConvertedDocument Text(QString text) { return {Outcome::Converted, std::move(text), {}}; }
    static ConvertedDocument Failure(QString message) { return {Outcome::Failed, {}, std::move(message)}; }
    static ConvertedDocument Cancelled() { return {Outcome::Cancelled, {}, {}}; }
    static ConvertedDocument OpenFailed() { return Failure(QString::fromUtf8(kOpenFailedMessage)); }
    bool IsConverted() const { return outcome == Outcome::Converted; }
};

// Turns a document file into plain text, choosing the converter by the file's content first and
// its name second. Convert blocks until it is done and may be called on any thread; once stop is
// requested it gives up soon and answers Cancelled.
class DocumentConverter {
public:
    virtual ~DocumentConverter() = default;
    virtual ConvertedDocument Convert(const QString &path, std::stop_token stop) = 0;
};
