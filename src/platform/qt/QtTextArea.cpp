#include "platform/qt/QtTextArea.h"
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <array>

namespace {

const QString LogicLineBreak = QStringLiteral("\r\n");

// A paragraph longer than this is shown in pieces of about this length: the layout of one
// paragraph of millions of characters takes more than a gigabyte.
constexpr int DisplayParagraphLength = 5000;
constexpr int DisplayBreakProperty = QTextFormat::UserProperty + 1;

QTextCharFormat DisplayBreakFormat()
{
    QTextCharFormat format;
    format.setProperty(DisplayBreakProperty, true);
    return format;
}

// The space for a display break in the piece from start: the last one in the second half of the
// piece's length, else the first one after it before end; -1 when there is none.
int DisplayBreakAfter(QStringView paragraphs, int start, int end)
{
    const int half = DisplayParagraphLength / 2;
    const qsizetype before = paragraphs.sliced(start + half, half + 1).lastIndexOf(u' ');
    if (before >= 0)
        return start + half + int(before);
    const int limit = start + DisplayParagraphLength;
    const qsizetype after = paragraphs.sliced(limit, end - limit).indexOf(u' ');
    return after < 0 ? -1 : limit + int(after);
}

// Puts display breaks for the over-long paragraphs of a text whose paragraphs end in LF, each in
// place of a space; gives their positions.
std::vector<int> BreakForDisplay(QString &paragraphs)
{
    std::vector<int> breaks;
    const int size = int(paragraphs.size());
    for (int start = 0; start < size;) {
        int end = int(paragraphs.indexOf(u'\n', start));
        if (end < 0)
            end = size;
        while (end - start > DisplayParagraphLength) {
            const int space = DisplayBreakAfter(paragraphs, start, end);
            if (space < 0)
                break;
            paragraphs[space] = u'\n';
            breaks.push_back(space);
            start = space + 1;
        }
        start = end + 1;
    }
    return breaks;
}

QString WithLogicLineBreaks(QString text)
{
    return text.replace(QChar::ParagraphSeparator, LogicLineBreak);
}

// The widget takes every LF as a paragraph break.
QString Paragraphs(QString text)
{
    return text.replace(LogicLineBreak, QStringLiteral("\n")).replace(u'\r', u'\n');
}

// Simple case folding keeps the length of a text, so that positions in it stay.
char16_t CaseFolded(char16_t unit)
{
    static const std::array<char16_t, 0x10000> table = [] {
        std::array<char16_t, 0x10000> folded{};
        for (char32_t u = 0; u < folded.size(); ++u) {
            const char32_t f = QChar::toCaseFolded(u);
            folded[u] = char16_t(QChar::isSurrogate(u) || QChar::requiresSurrogates(f) ? u : f);
        }
        return folded;
    }();
    return table[unit];
}

// The text case-folded; with logicLineBreaks every paragraph separator becomes CR LF.
QString CaseFolded(QStringView text, bool logicLineBreaks)
{
    const qsizetype lineBreaks = logicLineBreaks ? text.count(QChar::ParagraphSeparator) : 0;
    QString folded(text.size() + lineBreaks, Qt::Uninitialized);
    QChar *out = folded.data();
    const QChar *const end = text.data() + text.size();
    for (const QChar *in = text.data(); in != end; ++in) {
        const char16_t unit = in->unicode();
        if (logicLineBreaks && unit == QChar::ParagraphSeparator) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else if (QChar::isHighSurrogate(unit) && in + 1 != end && in[1].isLowSurrogate()) {
            const char32_t codePoint = QChar::surrogateToUcs4(unit, in[1].unicode());
            const char32_t folded = QChar::toCaseFolded(codePoint);
            *out++ = QChar(QChar::highSurrogate(QChar::requiresSurrogates(folded) ? folded : codePoint));
            *out++ = QChar(QChar::lowSurrogate(QChar::requiresSurrogates(folded) ? folded : codePoint));
            ++in;
        } else {
            *out++ = QChar(CaseFolded(unit));
        }
    }
    return folded;
}

QColor ToQColor(ColorRef colour)
{
    return QColor(ColorRefRed(colour), ColorRefGreen(colour), ColorRefBlue(colour));
}

ColorRef ToColorRef(const QColor &colour)
{
    return MakeColorRef(colour.red(), colour.green(), colour.blue());
}

QTextEdit::ExtraSelection Coloured(QTextCursor cursor, int from, int to, const QBrush &colour)
{
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QTextEdit::ExtraSelection selection;
    selection.cursor = cursor;
    selection.format.setForeground(colour);
    return selection;
}

} // namespace

QtTextArea::QtTextArea(QPlainTextEdit *edit)
    : edit(edit)
{
    contentsWatch = QObject::connect(edit->document(), &QTextDocument::contentsChange, edit,
                                     [this] {
        remembered = RememberedSelection();
        searched = SearchedSpan();
        caseFolded.reset();
        if (madeDisplayBreaks)
            displayBreaks.reset();
    });
}

QtTextArea::~QtTextArea()
{
    QObject::disconnect(contentsWatch);
}

QTextDocument *QtTextArea::Document() const
{
    return edit->document();
}

int QtTextArea::TextLength() const
{
    return Document()->characterCount() - 1 + LineBreaksBefore(Document()->blockCount() - 1);
}

const std::vector<int> &QtTextArea::DisplayBreaks() const
{
    if (!displayBreaks) {
        std::vector<int> numbers;
        int number = 1;
        for (QTextBlock block = Document()->begin().next(); block.isValid(); block = block.next(), ++number) {
            if (block.charFormat().hasProperty(DisplayBreakProperty))
                numbers.push_back(number);
        }
        displayBreaks = std::move(numbers);
    }
    return *displayBreaks;
}

bool QtTextArea::StartsAfterDisplayBreak(int number) const
{
    const std::vector<int> &breaks = DisplayBreaks();
    return std::binary_search(breaks.begin(), breaks.end(), number);
}

int QtTextArea::LineBreaksBefore(int number) const
{
    const std::vector<int> &breaks = DisplayBreaks();
    return number - int(std::upper_bound(breaks.begin(), breaks.end(), number) - breaks.begin());
}

void QtTextArea::SpacesAtDisplayBreaks(QString &widgetText, int widgetFrom) const
{
    const std::vector<int> &breaks = DisplayBreaks();
    if (breaks.empty())
        return;
    const int first = Document()->findBlock(widgetFrom).blockNumber() + 1;
    for (auto number = std::lower_bound(breaks.begin(), breaks.end(), first); number != breaks.end(); ++number) {
        const int separator = Document()->findBlockByNumber(*number).position() - 1 - widgetFrom;
        if (separator >= widgetText.size())
            break;
        widgetText[separator] = u' ';
    }
}

QString QtTextArea::RawText() const
{
    QString text = Document()->toRawText();
    SpacesAtDisplayBreaks(text, 0);
    return text;
}

int QtTextArea::Clip(int position) const
{
    return std::clamp(position, 0, TextLength());
}

// Whether a paragraph's logic span (its widget position plus the CR LF before it, over its
// characters and the CR LF or display break after it) holds a logic position.
bool QtTextArea::BlockHolds(int number, int position) const
{
    const QTextBlock block = Document()->findBlockByNumber(number);
    if (!block.isValid())
        return false;
    const int start = block.position() + LineBreaksBefore(number);
    if (!block.next().isValid())
        return start <= position;
    const int end = start + block.length() - (StartsAfterDisplayBreak(number + 1) ? 1 : 0);
    return start <= position && position <= end;
}

// The paragraph that holds a logic position: the last one whose logic start is not behind it.
// Reading moves forward, so the paragraph found last and the next one are tried first. Otherwise
// the paragraph at the logic position read as a widget position is this one or a later one, the
// paragraph at that position less the later one's number is this one or an earlier one, and a
// binary search between the two settles it (a display break stands for one character, not two).
int QtTextArea::BlockNumberAt(int position) const
{
    for (int number : {lastBlockNumber, lastBlockNumber + 1}) {
        if (BlockHolds(number, position)) {
            lastBlockNumber = number;
            return number;
        }
    }
    const QTextDocument *document = Document();
    const int lastWidgetPosition = document->characterCount() - 1;
    int high = document->findBlock(std::min(position, lastWidgetPosition)).blockNumber();
    int low = document->findBlock(std::max(0, position - high)).blockNumber();
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (document->findBlockByNumber(middle).position() + LineBreaksBefore(middle) <= position)
            low = middle;
        else
            high = middle - 1;
    }
    lastBlockNumber = low;
    return low;
}

int QtTextArea::WidgetPosition(int position) const
{
    position = Clip(position);
    const int number = BlockNumberAt(position);
    const QTextBlock block = Document()->findBlockByNumber(number);
    const int offset = position - (block.position() + LineBreaksBefore(number));
    return block.position() + std::min(offset, block.length() - 1);
}

int QtTextArea::LogicPosition(int widgetPosition) const
{
    widgetPosition = std::clamp(widgetPosition, 0, Document()->characterCount() - 1);
    return widgetPosition + LineBreaksBefore(Document()->findBlock(widgetPosition).blockNumber());
}

QString QtTextArea::Text() const
{
    return WithLogicLineBreaks(RawText());
}

QString QtTextArea::TextRange(int from, int length) const
{
    from = Clip(from);
    const int to = from + std::clamp(length, 0, TextLength() - from);
    if (to == from)
        return QString();
    const int widgetFrom = WidgetPosition(from);
    const int widgetTo = WidgetPosition(to);
    QTextCursor cursor(Document());
    cursor.setPosition(widgetFrom);
    cursor.setPosition(widgetTo, QTextCursor::KeepAnchor);
    QString range = cursor.selectedText();
    SpacesAtDisplayBreaks(range, widgetFrom);
    range = WithLogicLineBreaks(range);
    if (LogicPosition(widgetFrom) != from)  // starts between CR and LF
        range.remove(0, 1);
    if (LogicPosition(widgetTo) != to)      // ends between CR and LF
        range += u'\r';
    return range;
}

void QtTextArea::SetText(const QString &text)
{
    mark.reset();
    edit->setExtraSelections({});
    QString paragraphs = Paragraphs(text);
    const std::vector<int> breaks = BreakForDisplay(paragraphs);
    madeDisplayBreaks = false;
    displayBreaks = std::vector<int>();
    edit->setPlainText(paragraphs);
    if (breaks.empty())
        return;
    // The marks change nothing the widget shows, and a text set anew has nothing to undo.
    const QSignalBlocker quiet(Document());
    MarkDisplayBreaks(0, breaks);
    Document()->clearUndoRedoStacks();
    Document()->setModified(false);
}

void QtTextArea::ReplaceText(const QString &text)
{
    const QString paragraphs = Paragraphs(text);
    if (QString(paragraphs).replace(u'\n', QChar::ParagraphSeparator) == RawText())
        return;
    mark.reset();
    edit->setExtraSelections({});
    QTextCursor cursor(Document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    Insert(cursor, paragraphs);
    cursor.endEditBlock();
    Select(0, 0);
}

void QtTextArea::ReplaceSelection(const QString &text)
{
    const LogicSelection selection = Selection();
    QTextCursor cursor(Document());
    cursor.setPosition(WidgetPosition(selection.start));
    cursor.setPosition(WidgetPosition(selection.start + selection.length), QTextCursor::KeepAnchor);
    Insert(cursor, Paragraphs(text));
    edit->setTextCursor(cursor);
}

// Puts paragraphs in place of the cursor's selection as one step of the undo history.
void QtTextArea::Insert(QTextCursor &cursor, QString paragraphs)
{
    const std::vector<int> breaks = BreakForDisplay(paragraphs);
    if (breaks.empty()) {
        cursor.insertText(paragraphs);
        return;
    }
    const int start = cursor.selectionStart();
    cursor.beginEditBlock();
    cursor.insertText(paragraphs);
    MarkDisplayBreaks(start, breaks);
    cursor.endEditBlock();
}

void QtTextArea::MarkDisplayBreaks(int widgetStart, const std::vector<int> &breaks)
{
    QTextCursor cursor(Document());
    cursor.beginEditBlock();  // in an edit block, moving the cursor lays nothing out
    for (const int separator : breaks) {
        cursor.setPosition(widgetStart + separator);
        cursor.setPosition(widgetStart + separator + 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(DisplayBreakFormat());
    }
    cursor.endEditBlock();
    madeDisplayBreaks = true;
    displayBreaks.reset();
}

QtTextArea::LogicSelection QtTextArea::Selection() const
{
    const QTextCursor cursor = edit->textCursor();
    if (cursor.anchor() == remembered.anchor && cursor.position() == remembered.position)
        return remembered.logic;
    const int start = LogicPosition(cursor.selectionStart());
    return {start, LogicPosition(cursor.selectionEnd()) - start};
}

QString QtTextArea::SelText() const
{
    const LogicSelection selection = Selection();
    return TextRange(selection.start, selection.length);
}

void QtTextArea::Select(int start, int length)
{
    const int anchor = WidgetPosition(start);
    const int position = WidgetPosition(start + length);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    remembered = {{start, length}, anchor, position};
}

void QtTextArea::SetSelStart(int position)
{
    Select(Clip(position), 0);
}

void QtTextArea::SetSelLength(int length)
{
    const int start = Selection().start;
    Select(start, std::clamp(length, 0, TextLength() - start));  // the widget shows the caret
}

int QtTextArea::Find(const QString &needle, int from, int span) const
{
    if (from < 0 || from > TextLength() || span < 0)
        return -1;
    if (from != searched.from || span != searched.span)
        searched = {from, span, TextRange(from, span)};
    const int found = int(searched.text.indexOf(needle));
    return found < 0 ? -1 : from + found;
}

const QString &QtTextArea::CaseFoldedText() const
{
    if (!caseFolded)
        caseFolded = CaseFolded(RawText(), true);
    return *caseFolded;
}

int QtTextArea::FindIgnoringCase(const QString &needle, int from, int span) const
{
    if (from < 0 || from > TextLength() || span < 0)
        return -1;
    const QStringView searched = QStringView(CaseFoldedText()).mid(from, span);
    const int found = int(searched.indexOf(CaseFolded(needle, false)));
    return found < 0 ? -1 : from + found;
}

// Colours the widget's selection: the parts of earlier colourings that it covers are dropped, and
// the font colour leaves the range uncoloured.
void QtTextArea::SetSelectedColor(ColorRef colour)
{
    const QTextCursor cursor = edit->textCursor();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    QList<QTextEdit::ExtraSelection> colourings;
    for (const QTextEdit::ExtraSelection &colouring : Colourings()) {
        const int start = colouring.cursor.selectionStart();
        const int end = colouring.cursor.selectionEnd();
        if (end <= from || start >= to) {
            colourings.append(colouring);
            continue;
        }
        if (start < from)
            colourings.append(Coloured(colouring.cursor, start, from, colouring.format.foreground()));
        if (end > to)
            colourings.append(Coloured(colouring.cursor, to, end, colouring.format.foreground()));
    }
    if (from < to && colour != FontColor())
        colourings.append(Coloured(cursor, from, to, ToQColor(colour)));
    ShowColourings(colourings);
}

void QtTextArea::SetMark(int from, int length, ColorRef colour)
{
    const QList<QTextEdit::ExtraSelection> colourings = Colourings();
    mark.reset();
    if (length > 0) {
        const int start = Clip(from);
        mark = Coloured(QTextCursor(Document()), WidgetPosition(start),
                        WidgetPosition(Clip(start + length)), edit->palette().color(QPalette::Base));
        mark->format.setBackground(ToQColor(colour));
    }
    ShowColourings(colourings);
}

void QtTextArea::ShowColourings(QList<QTextEdit::ExtraSelection> colourings)
{
    if (mark)
        colourings.append(*mark);
    edit->setExtraSelections(colourings);
}

QList<QTextEdit::ExtraSelection> QtTextArea::Colourings() const
{
    QList<QTextEdit::ExtraSelection> colourings = edit->extraSelections();
    if (mark && !colourings.isEmpty())
        colourings.removeLast();
    return colourings;
}

ColorRef QtTextArea::FontColor() const
{
    return ToColorRef(edit->palette().color(QPalette::Text));
}

// The widget draws its selection with the inactive colours while it lacks the focus.
void QtTextArea::SetHideSelection(bool hide)
{
    if (hiddenSelection == int(hide))
        return;
    hiddenSelection = int(hide);
    QPalette palette = edit->palette();
    if (hide) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Inactive, QPalette::Text));
    } else {
        palette.setColor(QPalette::Inactive, QPalette::Highlight,
                         palette.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Active, QPalette::HighlightedText));
    }
    edit->setPalette(palette);
}

int QtTextArea::FirstVisibleLine() const
{
    return edit->verticalScrollBar()->value();
}

int QtTextArea::LineFromChar(int position) const
{
    const int widgetPosition = WidgetPosition(position);
    const QTextBlock block = Document()->findBlock(widgetPosition);
    const QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return block.firstLineNumber();
    const QTextLine line = layout->lineForTextPosition(widgetPosition - block.position());
    return block.firstLineNumber() + (line.isValid() ? line.lineNumber() : layout->lineCount() - 1);
}

int QtTextArea::LineIndex(int line) const
{
    if (line < 0 || line >= LineCount())
        return -1;
    const QTextBlock block = Document()->findBlockByLineNumber(line);
    const QTextLayout *layout = block.layout();
    const int lineInBlock = line - block.firstLineNumber();
    const int offset = layout && lineInBlock < layout->lineCount()
                           ? layout->lineAt(lineInBlock).textStart()
                           : 0;
    return LogicPosition(block.position() + offset);
}

int QtTextArea::LineCount() const
{
    return Document()->lineCount();
}

void QtTextArea::ScrollLines(int lines)
{
    QScrollBar *bar = edit->verticalScrollBar();
    bar->setValue(bar->value() + lines);
}
