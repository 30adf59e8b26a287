// Every test document against its expected text: the sequence of words after dropping soft hyphens
// and reading no-break spaces as spaces, and apart from it the paragraph breaks. Plain-text files
// must give their exact content. The project's own documents are checked; run as the test labelled
// "corpus", the program checks the extra set that LEKTAVO_CORPUS names instead.
#include "platform/documents/DocumentConversion.h"
#include "testsupport/TestDocuments.h"
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <utility>
#include <vector>

namespace {

// What the converter that made a document's expected text did otherwise, as regular-expression
// replacements that turn its text into this program's.
struct Habit {
    const char16_t *pattern;
    const char16_t *replacement;
};

struct ListedDocument {
    const char *name;
    std::vector<Habit> habits;
    bool printedLines = false;  // the expected text keeps the lines as printed, not the paragraphs
};

// Written by scripts/make-test-documents, with the expected texts of this program.
const std::vector<ListedDocument> kOwnDocuments = {
    {"en_story.docx", {}},
    {"en_story.utf8.txt", {}},
    {"mixed_story.odt", {}},
    {"mixed_story.utf16le.txt", {}},
    {"ru_caps.koi8r.txt", {}},
    {"ru_route.doc", {}},
    {"ru_route.docx", {}},
    {"ru_route.fodt", {}},
    {"ru_route.odt", {}},
    {"ru_route.pdf", {}},
    {"ru_route.rtf", {}},
    {"ru_short.cp1251.txt", {}},
    {"ru_stories.columns.pdf", {}},
    {"ru_story.cp1251.fb2", {}},
    {"ru_story.cp1251.htm", {}},
    {"ru_story.cp1251.rtf", {}},
    {"ru_story.cp1251.txt", {}},
    {"ru_story.doc", {}},
    {"ru_story.docx", {}},
    {"ru_story.epub", {}},
    {"ru_story.fb2", {}},
    {"ru_story.html", {}},
    {"ru_story.koi8r.txt", {}},
    {"ru_story.odt", {}},
    {"ru_story.pdf", {}},
    {"ru_story.rtf", {}},
    {"ru_story.utf8.txt", {}},
};

// The extra set's expected texts were made by other converters.
// LibreOffice writes a note's number glued to the word and drops the note; this program writes
// "[n]" and puts the notes after the text.
const std::vector<ListedDocument> kExtraDocuments = {
    {"en_fixture_soft_hyphen.docx", {}},
    {"en_fixture_word97_raw_text.doc", {}},
    {"en_fixture_word_raw_text.docx", {}},
    {"mixed_austen_chekhov.utf16le.txt", {}},
    {"mixed_chekhov_loshadinaya_familiya.docx",
     {{u"Чехов1\n", u"Чехов[1]\n"},
      {u"\\z", u"\n\n[1] Рассказ впервые напечатан в 1885 году (printed in 1885)."}}},
    {"mixed_chekhov_toska.html", {}},
    {"mixed_pushkin_pikovaya_dama_1_2.odt",
     {{u"fraîches\\.1", u"fraîches.[1]"},
      {u"grand'maman,2", u"grand'maman,[2]"},
      {u"Lise\\.3", u"Lise.[3]"},
      {u"\\z", u"\n\n[1] Вы, кажется, решительно предпочитаете служанок. — Что делать, сударыня? Они свежее (франц.).\n"
               u"[2] бабушка (франц.).\n[3] Здравствуйте, мадемуазель Лиза (франц.)."}}},
    {"ru_caps_title_short.koi8r.txt", {}},
    {"ru_chekhov_khameleon.fb2",
     {{u"Очумелов1", u"Очумелов[1]"},
      {u"\\z", u"\n\nПримечания\n1\nПолицейский надзиратель — чин городской полиции."}}},
    {"ru_chekhov_smert_chinovnika.cp1251.txt", {}},
    {"ru_chekhov_tolstyi_i_tonkii.utf8.txt", {}},
    {"ru_chekhov_vanka.cp1251.rtf", {}},
    {"ru_chekhov_zloumyshlennik.rtf", {}},
    {"ru_fixture_cyrillic_cp1251.html", {}},
    {"ru_gogol_kolyaska.cp1251.fb2", {}},
    {"ru_gogol_nos_1.cp1251.htm", {}},
    {"ru_pushkin_short.cp1251.txt", {}},
    {"ru_pushkin_vystrel.koi8r.txt", {}},
    {"ru_tolstoy_anna_karenina.big.utf8.txt", {}},
    {"ru_tolstoy_posle_bala.doc",
     {{u"Толстой1\n", u"Толстой[1]\n"}, {u"\\z", u"\n\n[1] Рассказ написан в 1903 году, напечатан посмертно в 1911 году."}}},
    // pandoc leaves the title page out.
    {"ru_turgenev_mumu.epub", {{u"\\A", u"Муму\nИван Сергеевич Тургенев\n\n"}}},
    // pdftotext keeps the page numbers, and joins a word hyphenated across a page break with the
    // page number instead of the rest of the word.
    {"ru_turgenev_senilia.hyphenated.pdf", {{u"(?m)^\\d+\\n", u""}, {u"го5\\n+лове", u"голове"}}, true},
};

bool ChecksTheExtraSet()
{
    return qEnvironmentVariable("LEKTAVO_DOCUMENT_SET") == u"extra";
}

QString ExpectedText(const QString &folder, const ListedDocument &document)
{
    QFile file(folder + u'/' + QString::fromLatin1(document.name) + QStringLiteral(".expected.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    for (const Habit &habit : document.habits)
        text.replace(QRegularExpression(QString::fromUtf16(habit.pattern)), QString::fromUtf16(habit.replacement));
    return text;
}

QString Normalised(QString text)
{
    return text.remove(QChar(0x00AD)).replace(QChar(0x00A0), u' ');
}

QStringList Words(const QString &text)
{
    return Normalised(text).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList Paragraphs(const QString &text)
{
    QStringList paragraphs;
    for (const QString &line : Normalised(text).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            paragraphs.append(line.simplified());
    }
    return paragraphs;
}

// Empty when both lists agree; otherwise where they part, with some context.
QString FirstDifference(const QStringList &actual, const QStringList &expected, const QString &separator)
{
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    if (at == actual.size() && at == expected.size())
        return {};
    const auto around = [&](const QStringList &list) {
        return list.mid(std::max<qsizetype>(0, at - 3), 8).join(separator).left(400);
    };
    return QStringLiteral("at %1 of %2/%3:\n  made:     %4\n  expected: %5")
        .arg(at).arg(actual.size()).arg(expected.size()).arg(around(actual), around(expected));
}

}  // namespace

class TestDocumentCorpus : public QObject {
    Q_OBJECT

    QString folder;
    const std::vector<ListedDocument> &documents = ChecksTheExtraSet() ? kExtraDocuments : kOwnDocuments;
    QTemporaryDir programFolder;
    std::unique_ptr<DocumentConverter> converter;
    QHash<QString, ConvertedDocument> converted;

    const ConvertedDocument &Converted(const ListedDocument &document) { return Converted(QString::fromLatin1(document.name)); }

    const ConvertedDocument &Converted(const QString &name)
    {
        if (!converted.contains(name))
            converted.insert(name, converter->Convert(folder + u'/' + name, {}));
        return converted[name];
    }

    // The row's document, converted and cut into pieces, against its expected text cut alike.
    void CompareConverted(QStringList (*pieces)(const QString &), const QString &separator)
    {
        QFETCH(int, index);
        const ConvertedDocument &document = Converted(documents[index]);
        QVERIFY2(document.IsConverted(), qPrintable(document.message));
        const QString expected = ExpectedText(folder, documents[index]);
        const QString difference = FirstDifference(pieces(document.text), pieces(expected), separator);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void addDocumentRows(bool plainText) const
    {
        QTest::addColumn<int>("index");
        for (const ListedDocument &document : documents) {
            if (QByteArrayView(document.name).endsWith(".txt") == plainText)
                QTest::newRow(document.name) << int(&document - documents.data());
        }
    }

private slots:
    void initTestCase()
    {
        folder = ChecksTheExtraSet() ? TestDocuments::ExtraFolder() : TestDocuments::Folder();
        if (folder.isEmpty())
            QSKIP("no extra test documents: LEKTAVO_CORPUS names no folder");
        QStandardPaths::setTestModeEnabled(true);
        converter = MakeDocumentConverter(programFolder.path() + u'/');
    }

    void everyDocumentIsListed()
    {
        QStringList listed;
        for (const ListedDocument &document : documents)
            listed.append(QString::fromLatin1(document.name));
        QStringList present = QDir(folder).entryList(QDir::Files, QDir::Name);
        present.removeIf([](const QString &name) { return name.endsWith(u".expected.txt") || name == u"SOURCES.md"; });
        listed.sort();
        QCOMPARE(listed, present);
    }

    void plainTextGivesItsExactContent_data() { addDocumentRows(true); }
    void plainTextGivesItsExactContent()
    {
        QFETCH(int, index);
        const ConvertedDocument &document = Converted(documents[index]);
        QVERIFY2(document.IsConverted(), qPrintable(document.message));
        QVERIFY(document.text == ExpectedText(folder, documents[index]));
    }

    void documentGivesTheWordsOfItsExpectedText_data() { addDocumentRows(false); }
    void documentGivesTheWordsOfItsExpectedText() { CompareConverted(Words, QStringLiteral(" ")); }

    void documentBreaksParagraphsAsItsExpectedText_data() { addDocumentRows(false); }
    void documentBreaksParagraphsAsItsExpectedText()
    {
        QFETCH(int, index);
        if (documents[index].printedLines)
            QSKIP("its expected text keeps the printed lines");
        CompareConverted(Paragraphs, QStringLiteral("\n  | "));
    }

    // One story saved in each format: the reader cannot tell from the text which way it came.
    void everyRouteGivesTheSameText_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *format : {"doc", "docx", "fodt", "pdf", "rtf"})
            QTest::newRow(format) << QStringLiteral("ru_route.") + QLatin1String(format);
    }
    void everyRouteGivesTheSameText()
    {
        QFETCH(QString, name);
        if (ChecksTheExtraSet())
            QSKIP("the project's own documents only");
        const ConvertedDocument &document = Converted(name);
        QVERIFY2(document.IsConverted(), qPrintable(document.message));
        QCOMPARE(document.text, Converted(QStringLiteral("ru_route.odt")).text);
    }
};

QTEST_GUILESS_MAIN(TestDocumentCorpus)
#include "tst_DocumentCorpus.moc"
