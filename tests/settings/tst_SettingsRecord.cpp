#include "settings/SettingsRecord.h"
#include "settings/SystemColour.h"
#include <QTest>

namespace {

// Raw little-endian reads, independent of the codec under test.
qint32 Int32At(const QByteArray &bytes, int offset)
{
    return qint32(quint32(quint8(bytes[offset])) | quint32(quint8(bytes[offset + 1])) << 8
                  | quint32(quint8(bytes[offset + 2])) << 16 | quint32(quint8(bytes[offset + 3])) << 24);
}

int ByteAt(const QByteArray &bytes, int offset)
{
    return quint8(bytes[offset]);
}

}  // namespace

class TestSettingsRecord : public QObject {
    Q_OBJECT

private slots:
    void firstRunRecordHoldsTheDesignedValues_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::addColumn<qint64>("value");
        QTest::newRow("UdLength") << 28 << 4 << qint64(1);
        QTest::newRow("UdDelay") << 32 << 4 << qint64(200);
        QTest::newRow("centred") << 36 << 1 << qint64(0);
        QTest::newRow("indicators") << 37 << 1 << qint64(1);
        QTest::newRow("find panel") << 38 << 1 << qint64(0);
        QTest::newRow("text background") << 296 << 4 << qint64(9803157);
        QTest::newRow("display background") << 300 << 4 << qint64(5065984);
        QTest::newRow("highlight text") << 304 << 4 << qint64(65535);
        QTest::newRow("highlight back") << 308 << 4 << qint64(6842472);
        QTest::newRow("text font charset") << 312 << 1 << qint64(204);
        QTest::newRow("text font colour") << 312 + 4 << 4 << qint64(qint32(0x80000008));
        QTest::newRow("text font height") << 312 + 8 << 4 << qint64(-16);
        QTest::newRow("text font size") << 312 + 272 << 4 << qint64(12);
        QTest::newRow("text font style") << 312 + 276 << 1 << qint64(0);
        QTest::newRow("display font charset") << 592 << 1 << qint64(204);
        QTest::newRow("display font colour") << 592 + 4 << 4 << qint64(0xC0C0C0);
        QTest::newRow("display font height") << 592 + 8 << 4 << qint64(-48);
        QTest::newRow("display font size") << 592 + 272 << 4 << qint64(36);
        QTest::newRow("UdLongWord") << 884 << 4 << qint64(0);
        QTest::newRow("UdEndOfSentence") << 888 << 4 << qint64(0);
        QTest::newRow("UdComma") << 892 << 4 << qint64(0);
        QTest::newRow("UdLetters") << 896 << 4 << qint64(8);
        QTest::newRow("UdBack") << 900 << 4 << qint64(20);
        QTest::newRow("UpDown1") << 904 << 4 << qint64(1);
        QTest::newRow("CbAutoActive") << 924 << 1 << qint64(0);
        QTest::newRow("CbNonStop") << 925 << 1 << qint64(0);
        QTest::newRow("CbAutoBuffer") << 930 << 1 << qint64(1);
        QTest::newRow("CbAutoStop") << 932 << 1 << qint64(0);
        QTest::newRow("CbIgnoreLong") << 933 << 1 << qint64(1);
        QTest::newRow("CbLangApart") << 934 << 1 << qint64(1);
        QTest::newRow("RgLangs") << 936 << 1 << qint64(3);
    }
    void firstRunRecordHoldsTheDesignedValues()
    {
        QFETCH(int, offset);
        QFETCH(int, size);
        QFETCH(qint64, value);
        const QByteArray bytes = DefaultSettings().Bytes();
        QCOMPARE(bytes.size(), 8180);
        QCOMPARE(size == 4 ? qint64(Int32At(bytes, offset)) : qint64(ByteAt(bytes, offset)), value);
    }

    void firstRunFontsAreBookmanWithoutLeftovers()
    {
        const QByteArray bytes = DefaultSettings().Bytes();
        for (int font : {312, 592}) {
            QCOMPARE(ByteAt(bytes, font + 12), 17);
            QCOMPARE(bytes.mid(font + 13, 17), QByteArray("Bookman Old Style"));
            QCOMPARE(bytes.mid(font + 13 + 17, 255 - 17), QByteArray(255 - 17, '\0'));
            QCOMPARE(ByteAt(bytes, font + 268), 0);  // default pitch
        }
        const FontDescription text = FontFromRecord(DefaultSettings().Font(SettingsField::TextFont));
        QCOMPARE(text.name, QString("Bookman Old Style"));
        QCOMPARE(SystemColourRole(text.colour), PaletteRole::WindowText);
    }

    void everythingElseOfTheFirstRunIsZero()
    {
        const QByteArray bytes = DefaultSettings().Bytes();
        for (auto [from, to] : {std::pair{0, 28}, {39, 296}, {872, 884}, {908, 924}, {926, 930}, {937, 8180}})
            QCOMPARE(bytes.mid(from, to - from), QByteArray(to - from, '\0'));
    }

    void fieldsAreLittleEndianAtTheirOffsets()
    {
        SettingsRecord record;
        record.SetInt(SettingsField::SelLength, -2);
        record.SetColour(SettingsField::HighlightBackColor, 0x80000005u);
        record.SetByte(SettingsField::TabIndex, 3);
        const QByteArray bytes = record.Bytes();
        QCOMPARE(bytes.mid(880, 4), QByteArray("\xFE\xFF\xFF\xFF", 4));
        QCOMPARE(bytes.mid(308, 4), QByteArray("\x05\x00\x00\x80", 4));
        QCOMPARE(ByteAt(bytes, 19), 3);
    }

    void anyNonZeroFlagByteReadsAsTrue()
    {
        QByteArray bytes(8180, '\0');
        bytes[37] = char(0x80);
        const auto record = SettingsRecord::FromBytes(bytes);
        QVERIFY(record->Flag(SettingsField::Indicators1));
        QCOMPARE(record->ControlValue(SettingsField::Indicators1), 1);
    }

    void upDownPositionsAreSixteenBitsClampedToTheirRange_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("in range") << int(OptionField::UdLetters) << 12 << 12;
        QTest::newRow("high half dropped") << int(OptionField::UdLetters) << 0x10000 + 7 << 7;
        QTest::newRow("sign-extended low half") << int(OptionField::UdBack) << 0xFFFF << 0;
        QTest::newRow("above range") << int(OptionField::UpDown1) << 31 << 30;
        QTest::newRow("below range") << int(OptionField::UdLetters) << 4 << 5;
        QTest::newRow("negative") << int(OptionField::UdComma) << -3 << 0;
        QTest::newRow("radio group above its items") << int(OptionField::RgLangs) << 200 << 3;
    }
    void upDownPositionsAreSixteenBitsClampedToTheirRange()
    {
        QFETCH(int, field);
        QFETCH(qint32, stored);
        QFETCH(int, shown);
        OptionsRecord options;
        const auto f = OptionField(field);
        if (Row(f).type == FieldType::Int)
            options.SetInt(f, stored);
        else
            options.SetByte(f, quint8(stored));
        QCOMPARE(options.ControlValue(f), shown);
    }

    void shortStringsAreUtf8WithinTheirField()
    {
        SettingsRecord record = *SettingsRecord::FromBytes(QByteArray(8180, 'z'));
        record.SetText(SettingsField::LastFolder, "/home/аня/книги");
        const QByteArray bytes = record.Bytes();
        const QByteArray utf8 = QString("/home/аня/книги").toUtf8();
        QCOMPARE(ByteAt(bytes, 40), utf8.size());
        QCOMPARE(bytes.mid(41, utf8.size()), utf8);
        QCOMPARE(bytes.at(41 + utf8.size()), 'z');  // the ignored rest of the field is left alone
        QCOMPARE(record.Text(SettingsField::LastFolder), QString("/home/аня/книги"));
        QCOMPARE(ByteAt(bytes, 296), int('z'));
    }

    void overlongShortStringsAreCutAtACharacterBoundary()
    {
        SettingsRecord record;
        const QString folder = "/" + QString(200, QChar(u'ж'));  // 401 bytes of UTF-8
        record.SetText(SettingsField::LastFolder, folder);
        QCOMPARE(ByteAt(record.Bytes(), 40), 255);
        QCOMPARE(record.Text(SettingsField::LastFolder), folder.left(128));
        QCOMPARE(ByteAt(record.Bytes(), 296), 0);  // the next field is untouched
    }

    void shortStringsFromTheOtherSystemReadAsWindows1251()
    {
        QByteArray bytes(8180, '\0');
        const QByteArray folder("C:\\\xCA\xED\xE8\xE3\xE8", 8);  // "C:\Книги"
        bytes[40] = char(folder.size());
        bytes.replace(41, folder.size(), folder);
        QCOMPARE(SettingsRecord::FromBytes(bytes)->Text(SettingsField::LastFolder), QString("C:\\Книги"));
    }

    void fontsTravelThroughTheirRecordWholeWithTheirCharacterSet()
    {
        const FontDescription font{161, MakeColorRef(10, 20, 30), -21, "DejaVu Sans Mono", PitchFixed, 16,
                                   FontBold | FontStrikeOut};
        const FontRecord record = FontToRecord(font);
        const QByteArray bytes = record.Bytes();
        QCOMPARE(bytes.size(), 280);
        QCOMPARE(ByteAt(bytes, 0), 161);
        QCOMPARE(Int32At(bytes, 4), 0x1E140A);
        QCOMPARE(Int32At(bytes, 8), -21);
        QCOMPARE(ByteAt(bytes, 12), 16);
        QCOMPARE(ByteAt(bytes, 268), 2);
        QCOMPARE(Int32At(bytes, 272), 16);
        QCOMPARE(ByteAt(bytes, 276), 9);
        QCOMPARE(FontFromRecord(record), font);
    }

    void shownPointSizeIsUsable_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("shown");
        QTest::newRow("size decides") << 14 << -99 << 14;
        QTest::newRow("height when no size") << 0 << -16 << 12;
        QTest::newRow("positive height") << -5 << 32 << 24;
        QTest::newRow("neither") << 0 << 0 << kFallbackPointSize;
        QTest::newRow("absurdly large") << 2000000000 << 0 << kMaxPointSize;
        QTest::newRow("largest negative height") << 0 << int(0x80000000) << kMaxPointSize;
    }
    void shownPointSizeIsUsable()
    {
        QFETCH(int, size);
        QFETCH(int, height);
        QFETCH(int, shown);
        FontDescription font;
        font.size = size;
        font.height = height;
        QCOMPARE(PointSizeToShow(font), shown);
    }

    void systemColoursMapToThePalette_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<int>("role");
        QTest::newRow("window text") << 0x80000008u << int(PaletteRole::WindowText);
        QTest::newRow("window") << 0x80000005u << int(PaletteRole::Base);
        QTest::newRow("highlight") << 0x8000000Du << int(PaletteRole::Highlight);
        QTest::newRow("unknown index") << 0x800000FFu << int(PaletteRole::WindowText);
        QTest::newRow("explicit") << 0x00C0C0C0u << -1;
        QTest::newRow("explicit with palette byte") << 0x02FF0000u << -1;
    }
    void systemColoursMapToThePalette()
    {
        QFETCH(quint32, colour);
        QFETCH(int, role);
        const auto mapped = SystemColourRole(colour);
        QCOMPARE(mapped ? int(*mapped) : -1, role);
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_SettingsRecord.moc"
