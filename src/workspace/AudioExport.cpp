#include "workspace/AudioExport.h"
#include "platform/AudioFiles.h"
#include "reading/BlankText.h"
#include "reading/LanguageRule.h"
#include "reading/SentenceStepper.h"
#include "workspace/PlainTextArea.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int HeadingLimit = 60;  // characters; a longer piece is not a heading

int Percent(qint64 done, qint64 total)
{
    return total > 0 ? int(std::min<qint64>(100, done * 100 / total)) : 100;
}

} // namespace

AudioExport::AudioExport(SpeechRenderer &renderer, AudioFiles &files) : renderer(renderer), files(files)
{
}

AudioExport::~AudioExport() = default;

QStringList AudioExport::Run(const ExportRequest &exportRequest, const std::atomic_bool &cancelled,
                             const Progress &progress)
{
    request = &exportRequest;
    parts.clear();
    PlainTextArea area(request->text);
    SentenceStepper stepper;
    stepper.KnowAbbreviations = request->rules.knowAbbreviations;
    LanguageRule rule;
    rule.LangApart = request->langApart;
    rule.EnglishRuns = request->rules.englishRuns;
    int shownPercent = -1;
    while (const auto piece = stepper.NextSpokenPiece(area)) {
        if (cancelled)
            return {};
        if (parts.empty() || StartsPart(*piece))
            OpenPart();
        else
            WriteSilence(request->pauseSeconds);
        AudioWriter &writer = *parts.back();
        for (const LanguageRun &run : rule.TakeRuns(*piece))
            renderer.Render(run.foreign ? request->foreign : request->russian, RunText(*piece, run),
                            [&writer](const float *samples, int count) { writer.Write(samples, count); });
        partHasBody = partHasBody || !IsChapterHeading(*piece);
        const int percent = Percent(area.SelStart() + area.SelLength(), area.TextLength());
        if (std::exchange(shownPercent, percent) != percent)
            progress(percent);
    }
    if (parts.empty())
        throw AudioError(NothingToReadMessage);
    parts.back()->Close();
    return PublishParts();
}

QString AudioExport::RunText(const QString &piece, const LanguageRun &run) const
{
    const QString text = piece.mid(run.start, run.length);
    if (run.foreign)
        return text;
    const PronunciationStyle style = request->rules.russianStyle;
    return ApplyPronunciation(text, request->rules.pronunciation, [style](const SpokenWord &word) {
        return WordForVoice(word, style);
    }).text;
}

bool AudioExport::StartsPart(const QString &piece) const
{
    switch (request->parts.split) {
    case ExportParts::Split::Whole:
        return false;
    case ExportParts::Split::Chapters:
        return partHasBody && IsChapterHeading(piece);
    case ExportParts::Split::Minutes:
        return parts.back()->Seconds() >= request->parts.minutes * 60.0;
    }
    return false;
}

// A part's tags number it when the export is split, even if it stays one file.
void AudioExport::OpenPart()
{
    if (!parts.empty())
        parts.back()->Close();
    AudioTags tags{request->title, request->encoder, 0};
    if (request->parts.split != ExportParts::Split::Whole) {
        tags.track = int(parts.size()) + 1;
        tags.title = QStringLiteral("%1 — %2").arg(request->title).arg(tags.track, 2, 10, QLatin1Char('0'));
    }
    parts.push_back(files.Create(request->path, renderer.SampleRate(), tags));
    partHasBody = false;
}

void AudioExport::WriteSilence(int seconds)
{
    static const std::vector<float> quiet(4096, 0.0f);
    for (qint64 left = qint64(seconds) * renderer.SampleRate(); left > 0; left -= qint64(quiet.size()))
        parts.back()->Write(quiet.data(), int(std::min<qint64>(left, qint64(quiet.size()))));
}

// A part that cannot be put in place takes the parts published before it along.
QStringList AudioExport::PublishParts()
{
    const QStringList paths = PartPaths(request->path, int(parts.size()));
    for (int i = 0; i < paths.size(); ++i) {
        try {
            parts[i]->Publish(paths[i]);
        } catch (const AudioError &) {
            for (int published = 0; published < i; ++published)
                QFile::remove(paths[published]);
            throw;
        }
    }
    return paths;
}

bool IsChapterHeading(const QString &piece)
{
    static const QRegularExpression named(
        QStringLiteral("^(глава|часть|книга|chapter|part|book)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression number(QStringLiteral("^([IVXLCDM]+|\\d+)\\.?$"));
    const QString heading = TrimBlanks(piece);
    if (heading.isEmpty() || heading.size() > HeadingLimit)
        return false;
    return named.match(heading).hasMatch() || number.match(heading).hasMatch();
}

QStringList PartPaths(const QString &path, int count)
{
    if (count == 1)
        return {path};
    const QFileInfo info(path);
    const int digits = std::max(2, int(QString::number(count).size()));
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    QStringList paths;
    for (int part = 1; part <= count; ++part)
        paths << info.dir().filePath(QStringLiteral("%1-%2%3")
                                         .arg(info.completeBaseName())
                                         .arg(part, digits, 10, QLatin1Char('0'))
                                         .arg(suffix));
    return paths;
}
