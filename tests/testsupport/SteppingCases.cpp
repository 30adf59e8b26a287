#include "SteppingCases.h"
#include "platform/TextArea.h"
#include "reading/SentenceStepper.h"

using namespace Qt::StringLiterals;

namespace {

QStringList Chunks(const QString &text, int size)
{
    QStringList chunks;
    for (int p = 0; p < text.size(); p += size)
        chunks.append(text.mid(p, size));
    return chunks;
}

QString WordsWithoutDelimiter(int length, int lineLength)
{
    const QString line = u"слово и ещё слово, а потом другое "_s.repeated(4).left(lineLength);
    QString text;
    text.reserve(length + lineLength);
    while (text.size() < length)
        text += line + u"\r\n"_s;
    return text.left(length);
}

int FirstNonBlankOffset(const QString &text)
{
    for (int i = 0; i < text.size(); ++i)
        if (text[i].unicode() > 32)
            return i;
    return -1;
}

int LastNonBlankOffset(const QString &text)
{
    for (int i = int(text.size()) - 1; i >= 0; --i)
        if (text[i].unicode() > 32)
            return i;
    return -1;
}

} // namespace

QList<SteppingCase> SteppingCases()
{
    QList<SteppingCase> cases = {
        {"three sentences", u"Привет. Как дела? Хорошо!"_s, 0, 0, false,
         {u"Привет. "_s, u"Как дела? "_s, u"Хорошо!"_s}},
        {"full stop without a blank behind it", u"Число 3.14, т.е. пи. Да."_s, 0, 0, false,
         {u"Число 3.14, т.е. "_s, u"пи. "_s, u"Да."_s}},
        {"abbreviation with blanks", u"Это т. е. пример."_s, 0, 0, false,
         {u"Это т. "_s, u"е. "_s, u"пример."_s}},
        {"straight quotes", u"Он сказал \"да\" и ушёл. Всё."_s, 0, 0, false,
         {u"Он сказал \"да\" "_s, u"и ушёл. "_s, u"Всё."_s}},
        {"curly and angle quotes", u"Он сказал «да» и “нет” потом. Всё."_s, 0, 0, false,
         {u"Он сказал «да» и “нет” потом. "_s, u"Всё."_s}},
        {"quote before a line break", u"\"Да\"\r\nНет."_s, 0, 0, false,
         {u"\"Да\"\r"_s, u"\nНет."_s}},
        {"marks before tab and line break", u"Стой!\tКто идёт?\r\nЯ."_s, 0, 0, false,
         {u"Стой!\t"_s, u"Кто идёт?\r"_s, u"\nЯ."_s}},
        {"single line break", u"Первая строка\r\nвторая строка. Третья."_s, 0, 0, false,
         {u"Первая строка\r\nвторая строка. "_s, u"Третья."_s}},
        {"empty line", u"Заголовок\r\n\r\nТекст."_s, 0, 0, false,
         {u"Заголовок\r\n"_s, u"\r\nТекст."_s}},
        {"several empty lines", u"Один.\r\n\r\n\r\n\r\nДва."_s, 0, 0, false,
         {u"Один.\r"_s, u"Два."_s}},
        {"blank piece between empty lines", u"Да.\r\n\r\n   \r\n\r\n\tНет."_s, 0, 0, false,
         {u"Да.\r"_s, u"Нет."_s}},
        {"dash line", u"Он сказал --- иди домой\r\nДальше текст."_s, 0, 0, false,
         {u"Он сказал ---"_s, u" иди домой\r\n"_s, u"Дальше текст."_s}, false},
        {"dash at the start of the text", u" --- Да, так. Нет."_s, 0, 0, false,
         {u" --- Да, так. "_s, u"Нет."_s}},
        {"dash behind a sentence end", u"Да. Он --- нет."_s, 0, 0, false,
         {u"Да. "_s, u"Он ---"_s, u" нет."_s}, true},
        {"pending dash from before", u"строка без точки\r\nдальше."_s, 0, 0, true,
         {u"строка без точки\r\n"_s, u"дальше."_s}, false},
        {"caret inside a word", u"Привет. Как дела?"_s, 10, 0, false, {u"к дела?"_s}},
        {"selection is skipped", u"Раз. Два. Три."_s, 0, 5, false, {u"Два. "_s, u"Три."_s}},
        {"blanks in front of a sentence", u"Да.   Нет."_s, 0, 0, false,
         {u"Да. "_s, u"  Нет."_s}},
        {"blanks behind the last piece", u"Конец.  \r\n\r\n \t"_s, 0, 0, false, {u"Конец. "_s}},
        {"selection reaching past the end", u"Да."_s, 1, 100, false, {}},
        {"empty text", QString(), 0, 0, false, {}},
        {"blanks only", u" \r\n\t \r\n"_s, 0, 0, false, {}},
    };

    SteppingCase noDelimiter;
    noDelimiter.name = "2500 characters without delimiter";
    noDelimiter.text = WordsWithoutDelimiter(2500, 2600);
    noDelimiter.pieces = Chunks(noDelimiter.text, 1000);
    cases.append(noDelimiter);

    const QString farSentence = QString(1200, u'ж') + u". Да."_s;
    cases.append({"delimiter beyond the search window", farSentence, 0, 0, false,
                  {farSentence.left(1000), farSentence.mid(1000, 202), u"Да."_s}});

    const QString longBlank = u" \t\r\n"_s.repeated(800);
    cases.append({"long run of blanks", u"Да. "_s + longBlank + u"Нет."_s, 0, 0, false,
                  {u"Да. "_s, u"Нет."_s}});

    SteppingCase big;
    big.name = "3 MB without delimiter";
    big.text = WordsWithoutDelimiter(3'000'000, 70);
    big.pieces = Chunks(big.text, 1000);
    cases.append(big);
    return cases;
}

SteppingRun ReadThrough(TextArea &area, const SteppingCase &steppingCase,
                        const std::function<ColorRef(int)> &colourAt)
{
    SteppingRun run;
    SentenceStepper stepper;
    stepper.AcStopBoth = [&run] { ++run.stops; };
    stepper.DashPending = steppingCase.dashPending;
    area.SetText(steppingCase.text);
    area.SetSelStart(steppingCase.selStart);
    area.SetSelLength(steppingCase.selLength);

    int previousWord = -1;
    const int stepLimit = int(steppingCase.text.size()) + 2;
    for (int step = 0; step < stepLimit && run.stops == 0; ++step) {
        stepper.NextSentence(area);
        if (run.stops > 0)
            break;
        const QString piece = area.SelText();
        const int start = area.SelStart();
        const int length = area.SelLength();
        run.pieces.append(piece);
        stepper.HighlightSentence(area);
        if (!run.highlightFault.isEmpty())
            continue;
        const int firstWord = start + FirstNonBlankOffset(piece);
        const int lastWord = start + LastNonBlankOffset(piece);
        if (area.SelStart() != start + length || area.SelLength() != 0)
            run.highlightFault = QStringLiteral("caret not behind piece %1").arg(step);
        else if (colourAt(firstWord) != stepper.HighlightTextColor
                 || colourAt(lastWord) != stepper.HighlightTextColor)
            run.highlightFault = QStringLiteral("piece %1 not coloured").arg(step);
        else if (previousWord >= 0 && colourAt(previousWord) != area.FontColor())
            run.highlightFault = QStringLiteral("piece %1 still coloured").arg(step - 1);
        previousWord = firstWord;
    }
    run.selStartAfter = area.SelStart();
    run.selLengthAfter = area.SelLength();
    run.dashPendingAfter = stepper.DashPending;
    return run;
}

QList<ScrollCase> ScrollCases()
{
    return {
        {"inside the view", 0, 3, 1, ScrollCase::ViewUnchanged},
        {"on the top line", 0, 0, 1, ScrollCase::ViewUnchanged},
        {"ending above the last visible line", 1, -2, 1, ScrollCase::ViewUnchanged},
        {"ending on the last visible line", 1, -2, 2, ScrollCase::PieceOnTop},
        {"on the last visible line", 1, -1, 1, ScrollCase::PieceOnTop},
        {"just below the view", 1, 0, 1, ScrollCase::PieceOnTop},
        {"ten lines below the view", 1, 10, 1, ScrollCase::PieceOnTop},
        {"eleven lines below the view", 1, 11, 1, ScrollCase::LineBeforePieceOnTop},
        {"far below the view", 3, 0, 2, ScrollCase::LineBeforePieceOnTop},
        {"on the line above the view", 0, -1, 1, ScrollCase::LineBeforePieceOnTop},
        {"far above the view", 0, -40, 3, ScrollCase::LineBeforePieceOnTop},
    };
}

void ScrollToPiece(TextArea &area, int visibleLines, int topLine, int pieceLine, int pieceLines)
{
    area.ScrollLines(topLine - area.FirstVisibleLine());
    SentenceStepper stepper;
    stepper.VisibleLineCount = visibleLines;
    stepper.HighlightStart = area.LineIndex(pieceLine);
    const int nextLine = area.LineIndex(pieceLine + pieceLines);
    const int pieceEnd = nextLine >= 0 ? nextLine - 1 : area.TextLength();
    stepper.HighlightLength = pieceEnd - stepper.HighlightStart;
    stepper.ScrollToHighlight(area);
}
