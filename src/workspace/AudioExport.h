#pragma once
#include "platform/SpeechRendering.h"
#include "reading/PronunciationDictionary.h"
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class AudioFiles;
struct LanguageRun;
class AudioWriter;

// How an export is cut into files: one file, one per chapter, or one per so many minutes.
struct ExportParts {
    enum class Split { Whole, Chapters, Minutes };
    static constexpr int MinMinutes = 1, MaxMinutes = 600;

    Split split = Split::Whole;
    int minutes = 30;
};

// The program's own reading options, which the export follows as reading aloud does.
struct ReadingRules {
    bool knowAbbreviations = false;  // a common abbreviation's full stop ends no piece
    bool englishRuns = false;        // English runs inside a Russian piece go to the foreign voice
    PronunciationDictionary pronunciation;  // for the Russian voice
    PronunciationStyle russianStyle = PronunciationStyle::Plain;
};

// Everything an export reads, taken on the user-interface thread when it starts.
struct ExportRequest {
    QString text;   // the whole text or the selection
    QString path;   // the file chosen; the parts of a split export are numbered beside it
    QString title;  // the document's name
    QString encoder;
    bool langApart = true;  // CbLangApart
    int pauseSeconds = 0;   // the extra pause of UpDown1, silence between the pieces
    RenderVoice foreign, russian;
    ExportParts parts;
    ReadingRules rules;
};

// Reads a text into audio as reading aloud speaks it: the same pieces, each with the voice of its
// language, the extra pause as silence between them. Every part goes to a temporary file; only
// when all are written are they renamed to their names, so that a failed or cancelled export
// leaves no file behind.
class AudioExport {
public:
    static constexpr auto NothingToReadMessage = "в тексте нечего прочесть";
    using Progress = std::function<void(int percent)>;

    AudioExport(SpeechRenderer &renderer, AudioFiles &files);
    ~AudioExport();  // the parts not published are removed

    // The files written; none when cancelled. Throws AudioError or SpeechError.
    QStringList Run(const ExportRequest &request, const std::atomic_bool &cancelled,
                    const Progress &progress);

private:
    bool StartsPart(const QString &piece) const;
    QString RunText(const QString &piece, const LanguageRun &run) const;  // as its voice is to hear it
    void OpenPart();
    void WriteSilence(int seconds);
    QStringList PublishParts();

    SpeechRenderer &renderer;
    AudioFiles &files;
    const ExportRequest *request = nullptr;
    std::vector<std::unique_ptr<AudioWriter>> parts;
    bool partHasBody = false;  // the part holds more than chapter headings
};

// A piece that heads a chapter: "Глава 3", "Часть первая", "Chapter One", or a number alone ("XII",
// "7.").
bool IsChapterHeading(const QString &piece);

// The files of an export in count parts: the path itself for one, else the path's name numbered
// with at least two digits ("Книга-01.flac").
QStringList PartPaths(const QString &path, int count);
