// The built-in converters on small documents made for one behaviour each.
#include "DocumentSamples.h"
#include "platform/documents/DocxConverter.h"
#include "platform/documents/EpubConverter.h"
#include "platform/documents/Fb2Converter.h"
#include "platform/documents/HtmlConverter.h"
#include "platform/documents/OdtConverter.h"
#include "platform/documents/PdfParagraphs.h"
#include <QStringEncoder>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<QStringList>)

namespace {

QByteArray Windows1251(const QString &text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QByteArray Fb2(const QByteArray &bodies, const char *encoding = "utf-8")
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"") + encoding
         + "\"?><FictionBook xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\" "
           "xmlns:l=\"http://www.w3.org/1999/xlink\"><description><title-info><book-title>Заглавие</book-title>"
           "<annotation><p>Аннотация</p></annotation></title-info></description>"
         + bodies + "<binary id=\"cover.png\" content-type=\"image/png\">iVBORw0KGgoAAAANSUhEUg==</binary></FictionBook>";
}

QByteArray Epub(const QByteArray &manifest, const QByteArray &spine, const DocumentSamples::Entries &pages)
{
    DocumentSamples::Entries entries = {
        {QStringLiteral("mimetype"), "application/epub+zip"},
        {QStringLiteral("META-INF/container.xml"),
         "<container xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles>"
         "<rootfile full-path=\"OEBPS/book.opf\"/></rootfiles></container>"},
        {QStringLiteral("OEBPS/book.opf"),
         "<package xmlns=\"http://www.idpf.org/2007/opf\"><manifest>" + manifest + "</manifest><spine>" + spine
             + "</spine></package>"},
    };
    entries.insert(entries.end(), pages.begin(), pages.end());
    return DocumentSamples::Zip(entries);
}

QByteArray Page(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>Заголовок</title>"
           "</head><body>" + body + "</body></html>";
}

QByteArray Paragraph(const QByteArray &runs, const QByteArray &properties = {})
{
    return "<w:p>" + (properties.isEmpty() ? QByteArray() : "<w:pPr>" + properties + "</w:pPr>") + runs + "</w:p>";
}

QByteArray Run(const QByteArray &text)
{
    return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

QByteArray ListItem(const char *numId, const char *level, const QByteArray &text)
{
    return Paragraph(Run(text), QByteArray("<w:numPr><w:ilvl w:val=\"") + level + "\"/><w:numId w:val=\"" + numId + "\"/></w:numPr>");
}

const QByteArray kNumbering =
    "<w:abstractNum w:abstractNumId=\"7\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/>"
    "<w:lvlText w:val=\"%1.\"/></w:lvl><w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"lowerLetter\"/>"
    "<w:lvlText w:val=\"%1.%2)\"/></w:lvl></w:abstractNum>"
    "<w:abstractNum w:abstractNumId=\"8\"><w:lvl w:ilvl=\"0\"><w:numFmt w:val=\"bullet\"/>"
    "<w:lvlText w:val=\"\xEF\x82\xB7\"/></w:lvl></w:abstractNum>"
    "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"7\"/></w:num><w:num w:numId=\"2\"><w:abstractNumId w:val=\"8\"/></w:num>";

constexpr double kLeft = 50;
constexpr double kCharWidth = 0.5;  // of the font size
constexpr double kPageHeight = 800;

struct PrintedLine {
    double left;
    double top;
    const char *text;
    double size = 11;
};

// Pages laid out line by line, each character half its font size wide; "^n" is a note mark set
// small and raised right behind the word before it.
std::vector<PdfPage> Pages(const std::vector<std::vector<PrintedLine>> &pages)
{
    std::vector<PdfPage> made;
    for (const auto &lines : pages) {
        PdfPage page{kPageHeight, {}};
        for (const PrintedLine &line : lines) {
            double x = line.left;
            for (const QString &word : QString::fromUtf8(line.text).split(u' ')) {
                const bool mark = word.startsWith(u'^');
                const double size = mark ? line.size * 0.6 : line.size;
                if (mark) {
                    page.words.back().spaceAfter = false;
                    x = page.words.back().right;
                }
                const double width = double(word.size()) * size * kCharWidth;
                page.words.push_back({mark ? word.mid(1) : word, x, line.top, x + width, line.top + size * 1.3, size, true});
                x += width + size * kCharWidth;
            }
            page.words.back().spaceAfter = false;
        }
        made.push_back(page);
    }
    return made;
}

}  // namespace

class TestBuiltInConverters : public QObject {
    Q_OBJECT

private slots:
    void html_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("text");
        QTest::newRow("head, style, script and comments stay out")
            << QByteArray("<html><head><title>Заголовок</title><style>p { color: red }</style></head><body>"
                          "<!-- примечание --><script>document.write('скрипт')</script><p>Текст</p></body></html>")
            << QStringLiteral("Текст");
        QTest::newRow("entities")
            << QByteArray("<p>Антон&nbsp;Чехов &mdash; &laquo;Тоска&raquo; &#1025;&#x451; су&shy;мер&shy;ки &amp;</p>")
            << QStringLiteral("Антон\u00A0Чехов — «Тоска» Ёё су\u00ADмер\u00ADки &");
        QTest::newRow("white space between inline elements")
            << QByteArray("<p>один <b>два</b>\n   <i>три</i> </p>") << QStringLiteral("один два три");
        QTest::newRow("unclosed upper-case paragraphs") << QByteArray("<P>Первый<P>Второй") << QStringLiteral("Первый\nВторой");
        QTest::newRow("line breaks and preformatted text")
            << QByteArray("<p>строка<br>другая</p><pre>  как   есть\n  тут</pre>")
            << QStringLiteral("строка\nдругая\n  как   есть\n  тут");
        QTest::newRow("lists")
            << QByteArray("<ul><li>раз</li><li><p>два</p></li></ul><ol start=\"3\"><li>три</li><li>четыре</li></ol>"
                          "<ol type=\"I\"><li>первое</li><li value=\"4\">четвёртое</li></ol>")
            << QStringLiteral("• раз\n• два\n3. три\n4. четыре\nI. первое\nIV. четвёртое");
        QTest::newRow("table cells a line each")
            << QByteArray("<table><tr><th>Кто</th><th>Who</th></tr><tr><td>Иона</td><td>cabman</td></tr></table>")
            << QStringLiteral("Кто\nWho\nИона\ncabman");
        QTest::newRow("windows-1251 by its meta charset")
            << "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head><body><p>"
                   + Windows1251(QStringLiteral("Нос, повесть")) + "</p></body></html>"
            << QStringLiteral("Нос, повесть");
        QTest::newRow("windows-1251 by the content")
            << "<p>" + Windows1251(QStringLiteral("Майор Ковалёв проснулся довольно рано")) + "</p>"
            << QStringLiteral("Майор Ковалёв проснулся довольно рано");
    }
    void html()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, text);
        QCOMPARE(HtmlToText(html, {}), text);
    }

    void fb2_data()
    {
        QTest::addColumn<QByteArray>("fb2");
        QTest::addColumn<QString>("text");
        QTest::newRow("body, then notes; description and binary stay out")
            << Fb2("<body><title><p>Хамелеон</p></title><section><p>Очумелов<a l:href=\"#n1\" type=\"note\">[1]</a> идёт.</p>"
                   "<empty-line/><p><emphasis>Тишина.</emphasis></p></section></body>"
                   "<body name=\"notes\"><section id=\"n1\"><title><p>1</p></title><p>Надзиратель.</p></section></body>")
            << QStringLiteral("Хамелеон\nОчумелов[1] идёт.\n\nТишина.\n\n1\nНадзиратель.");
        QTest::newRow("verses a line each")
            << Fb2("<body><section><poem><stanza><v>Мороз и солнце;</v><v>день чудесный!</v></stanza></poem></section></body>")
            << QStringLiteral("Мороз и солнце;\nдень чудесный!");
        QTest::newRow("windows-1251 by its declaration")
            << Fb2("<body><section><p>" + Windows1251(QStringLiteral("Коляска")) + "</p></section></body>", "windows-1251")
            << QStringLiteral("Коляска");
    }
    void fb2()
    {
        QFETCH(QByteArray, fb2);
        QFETCH(QString, text);
        QCOMPARE(Fb2ToText(fb2, {}), text);
    }

    void brokenXmlIsRefused()
    {
        QVERIFY(!Fb2ToText(Fb2("<body><section><p>Обрыв</section></body>"), {}));
    }

    void docx_data()
    {
        QTest::addColumn<QByteArray>("docx");
        QTest::addColumn<QString>("text");
        QTest::newRow("runs, tabs, breaks and hyphens")
            << DocumentSamples::Docx(Paragraph(Run("Один") + "<w:r><w:tab/><w:t>два</w:t><w:br/><w:t>три</w:t>"
                                               "<w:softHyphen/><w:t>четыре</w:t><w:noBreakHyphen/><w:t>пять</w:t></w:r>"))
            << QStringLiteral("Один\tдва\nтри\u00ADчетыре\u2011пять");
        QTest::newRow("deleted text, moved-away text and field codes stay out")
            << DocumentSamples::Docx(Paragraph(Run("Видно ") + "<w:del><w:r><w:delText>удалено </w:delText></w:r></w:del>"
                                               "<w:moveFrom><w:r><w:t>перенесено </w:t></w:r></w:moveFrom>"
                                               "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> HYPERLINK \"http://x\" </w:instrText></w:r>"
                                               "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" + Run("ссылка")
                                               + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"))
            << QStringLiteral("Видно ссылка");
        QTest::newRow("a text box once, not its fallback copy")
            << DocumentSamples::Docx(Paragraph("<w:r><mc:AlternateContent><mc:Choice Requires=\"wps\"><w:txbxContent>"
                                               + Paragraph(Run("В рамке")) + "</w:txbxContent></mc:Choice><mc:Fallback><w:txbxContent>"
                                               + Paragraph(Run("В рамке")) + "</w:txbxContent></mc:Fallback></mc:AlternateContent></w:r>"))
            << QStringLiteral("В рамке");
        QTest::newRow("table cells a line each")
            << DocumentSamples::Docx("<w:tbl><w:tr><w:tc>" + Paragraph(Run("Фамилия")) + "</w:tc><w:tc>" + Paragraph(Run("Surname"))
                                     + "</w:tc></w:tr></w:tbl>")
            << QStringLiteral("Фамилия\nSurname");
        QTest::newRow("numbered and bulleted lists")
            << DocumentSamples::Docx(ListItem("1", "0", "первый") + ListItem("1", "1", "вложенный") + ListItem("1", "1", "ещё")
                                         + ListItem("1", "0", "второй") + ListItem("1", "1", "снова") + ListItem("2", "0", "точка"),
                                     {}, kNumbering)
            << QStringLiteral("1. первый\n1.a) вложенный\n1.b) ещё\n2. второй\n2.a) снова\n• точка");
        QTest::newRow("notes in the order referenced, after the text, one space after each mark")
            << DocumentSamples::Docx(Paragraph(Run("Чехов") + "<w:r><w:footnoteReference w:id=\"9\"/></w:r>" + Run(" и Толстой")
                                               + "<w:r><w:footnoteReference w:id=\"4\"/></w:r>"),
                                     "<w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>"
                                     "<w:footnote w:id=\"4\">" + Paragraph("<w:r><w:footnoteRef/></w:r>" + Run("Лев.")) + "</w:footnote>"
                                     "<w:footnote w:id=\"9\">" + Paragraph("<w:r><w:footnoteRef/></w:r>" + Run("\t Антон.")) + "</w:footnote>"
                                     "<w:footnote w:id=\"5\">" + Paragraph(Run("Ненужная.")) + "</w:footnote>")
            << QStringLiteral("Чехов[1] и Толстой[2]\n\n[1] Антон.\n[2] Лев.");
    }
    void docx()
    {
        QFETCH(QByteArray, docx);
        QFETCH(QString, text);
        QCOMPARE(DocxToText(docx, {}), text);
    }

    void odt_data()
    {
        QTest::addColumn<QByteArray>("odt");
        QTest::addColumn<QString>("text");
        QTest::newRow("spaces, tabs and line breaks")
            << DocumentSamples::Odt("<text:h>Пиковая дама</text:h><text:p>один <text:s text:c=\"2\"/>два<text:tab/>три"
                                    "<text:line-break/>четыре</text:p>")
            << QStringLiteral("Пиковая дама\nодин   два\tтри\nчетыре");
        QTest::newRow("annotations and tracked deletions stay out")
            << DocumentSamples::Odt("<text:tracked-changes><text:changed-region><text:deletion><text:p>удалено</text:p>"
                                    "</text:deletion></text:changed-region></text:tracked-changes>"
                                    "<text:p>Текст<office:annotation><dc:creator>Я</dc:creator><text:p>замечание</text:p>"
                                    "</office:annotation> дальше</text:p>")
            << QStringLiteral("Текст дальше");
        QTest::newRow("lists by their styles")
            << DocumentSamples::Odt("<text:list text:style-name=\"N\"><text:list-item><text:p>раз</text:p></text:list-item>"
                                    "<text:list-item><text:p>два</text:p><text:list><text:list-item><text:p>вложенный</text:p>"
                                    "</text:list-item></text:list></text:list-item></text:list>",
                                    "<text:list-style style:name=\"N\"><text:list-level-style-number text:level=\"1\" "
                                    "style:num-format=\"1\" style:num-suffix=\".\"/><text:list-level-style-bullet "
                                    "text:level=\"2\" text:bullet-char=\"–\"/></text:list-style>")
            << QStringLiteral("1. раз\n2. два\n– вложенный");
        QTest::newRow("notes after the text")
            << DocumentSamples::Odt("<text:p>Лиза<text:note text:note-class=\"footnote\"><text:note-citation>1</text:note-citation>"
                                    "<text:note-body><text:p>Лизавета Ивановна.</text:p></text:note-body></text:note> вошла.</text:p>")
            << QStringLiteral("Лиза[1] вошла.\n\n[1] Лизавета Ивановна.");
    }
    void odt()
    {
        QFETCH(QByteArray, odt);
        QFETCH(QString, text);
        QCOMPARE(OdtToText(odt, {}), text);
    }

    void epubReadsTheSpineInOrderWithoutTheNavigationPage()
    {
        const QByteArray epub = Epub(
            "<item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\"/>"
            "<item id=\"one\" href=\"text/one.xhtml\" media-type=\"application/xhtml+xml\"/>"
            "<item id=\"two\" href=\"text/two%20pages.xhtml\" media-type=\"application/xhtml+xml\"/>"
            "<item id=\"gone\" href=\"text/gone.xhtml\" media-type=\"application/xhtml+xml\"/>"
            "<item id=\"css\" href=\"style.css\" media-type=\"text/css\"/>",
            "<itemref idref=\"nav\"/><itemref idref=\"two\"/><itemref idref=\"gone\"/><itemref idref=\"css\"/><itemref idref=\"one\"/>",
            {{QStringLiteral("OEBPS/nav.xhtml"), Page("<nav><ol><li>Оглавление</li></ol></nav>")},
             {QStringLiteral("OEBPS/text/one.xhtml"), Page("<p>Первая</p>")},
             {QStringLiteral("OEBPS/text/two pages.xhtml"), Page("<h1>Вторая</h1><p>Глава.</p>")},
             {QStringLiteral("OEBPS/style.css"), "p { margin: 0 }"}});
        QCOMPARE(EpubToText(epub, {}), QStringLiteral("Вторая\nГлава.\n\nПервая"));
    }

    void pdfParagraphs_data()
    {
        QTest::addColumn<std::vector<PdfPage>>("pages");
        QTest::addColumn<QString>("text");
        QTest::newRow("a paragraph's lines joined, a gap parts paragraphs")
            << Pages({{{kLeft, 100, "Первая строка абзаца"}, {kLeft, 113, "его вторая строка."}, {kLeft, 131, "Следующий абзац."},
                       {kLeft, 144, "И его конец."}}})
            << QStringLiteral("Первая строка абзаца его вторая строка.\nСледующий абзац. И его конец.");
        QTest::newRow("a heading apart, an indent starts a paragraph")
            << Pages({{{kLeft, 80, "Глава", 16}, {kLeft, 100, "Текст главы идёт здесь"}, {kLeft + 20, 113, "Новый абзац"}}})
            << QStringLiteral("Глава\nТекст главы идёт здесь\nНовый абзац");
        QTest::newRow("a centred heading in the body's size stands alone")
            << Pages({{{kLeft, 100, "строка во всю ширину колонки"}, {kLeft + 40, 113, "Глава 2"}, {kLeft, 126, "её строка"}}})
            << QStringLiteral("строка во всю ширину колонки\nГлава 2\nеё строка");
        QTest::newRow("without gaps a short line ending a sentence ends its paragraph")
            << Pages({{{kLeft, 100, "строка во всю ширину колонки"}, {kLeft, 113, "конец."}, {kLeft, 126, "Дальше т. е."},
                       {kLeft, 139, "строка во всю ширину колонки"}}})
            << QStringLiteral("строка во всю ширину колонки конец.\nДальше т. е.\nстрока во всю ширину колонки");
        QTest::newRow("running header and page numbers go, the paragraph goes on over the page")
            << Pages({{{kLeft, 40, "Рассказы 1"}, {kLeft, 100, "текст первой страницы,"}, {kLeft, 750, "1"}},
                      {{kLeft, 40, "Рассказы 2"}, {kLeft, 100, "который продолжается."}, {kLeft, 750, "2"}}})
            << QStringLiteral("текст первой страницы, который продолжается.");
        QTest::newRow("a single page keeps its number, numbers not counting with the pages stay")
            << Pages({{{kLeft, 100, "Сонет"}, {kLeft, 750, "1"}}}) << QStringLiteral("Сонет\n1");
        QTest::newRow("note marks as [n], the notes after the text")
            << Pages({{{kLeft, 100, "читал газету ^1 и журнал ^2"}, {kLeft, 700, "1 Вечерняя."}, {kLeft, 713, "2Утренний"},
                       {kLeft, 726, "журнал."}}})
            << QStringLiteral("читал газету[1] и журнал[2]\n\n[1] Вечерняя.\n[2] Утренний журнал.");
        QTest::newRow("two columns one after the other")
            << Pages({{{kLeft, 100, "левая колонка строка"}, {kLeft, 113, "левая колонка конец"}, {300, 100, "правая колонка строка."},
                       {300, 118, "Второй абзац."}}})
            << QStringLiteral("левая колонка строка левая колонка конец правая колонка строка.\nВторой абзац.");
        QTest::newRow("hyphenated words: joined, a particle's kept, before a capital and after a digit kept")
            << Pages({{{kLeft, 100, "тает. Без-"}, {kLeft, 113, "ветрие, кто-"}, {kLeft, 126, "нибудь Москва-"},
                       {kLeft, 139, "Река 1941-"}, {kLeft, 152, "го года"}}})
            << QStringLiteral("тает. Безветрие, кто-нибудь Москва-Река 1941-го года");
        QTest::newRow("a word hyphenated across a page break and its number")
            << Pages({{{kLeft, 100, "пухом на го-"}, {kLeft, 750, "5"}}, {{kLeft, 100, "лове. Он упал"}, {kLeft, 750, "6"}}})
            << QStringLiteral("пухом на голове. Он упал");
    }
    void pdfParagraphs()
    {
        QFETCH(std::vector<PdfPage>, pages);
        QFETCH(QString, text);
        QCOMPARE(PdfParagraphText(pages), text);
    }
};

QTEST_GUILESS_MAIN(TestBuiltInConverters)
#include "tst_BuiltInConverters.moc"
