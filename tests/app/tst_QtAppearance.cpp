#include "app/QtAppearance.h"
#include <QApplication>
#include <QTest>

class TestQtAppearance : public QObject {
    Q_OBJECT

private slots:
    void systemColoursComeFromThePalette()
    {
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::WindowText, QColor(1, 2, 3));
        palette.setColor(QPalette::Active, QPalette::Base, QColor(4, 5, 6));
        QCOMPARE(ToQColor(0x80000008u, palette), QColor(1, 2, 3));
        QCOMPARE(ToQColor(0x80000005u, palette), QColor(4, 5, 6));
    }

    void explicitColoursAreBlueGreenRed()
    {
        QCOMPARE(ToQColor(9803157, QPalette()), QColor(149, 149, 149));
        QCOMPARE(ToQColor(5065984, QPalette()), QColor(0, 77, 77));
        QCOMPARE(ToQColor(65535, QPalette()), QColor(255, 255, 0));
        QCOMPARE(ToQColor(0x02123456u, QPalette()), QColor(0x56, 0x34, 0x12));
    }

    void storedFontsBecomeQtFonts()
    {
        const FontDescription stored{204, 0, -16, "Bookman Old Style", PitchFixed, 14, FontItalic | FontUnderline};
        const QFont font = ToQFont(stored);
        QCOMPARE(font.family(), QString("Bookman Old Style"));
        QCOMPARE(font.pointSize(), 14);
        QVERIFY(font.italic() && font.underline() && !font.bold() && !font.strikeOut());
        QVERIFY(font.fixedPitch());
    }

    void aChosenFontIsStoredWithTheCharacterSetItReplaces()
    {
        QFont font("DejaVu Serif");
        font.setPointSize(36);
        font.setBold(true);
        const FontDescription stored = ToFontDescription(font, MakeColorRef(192, 192, 192), 204, 96);
        QCOMPARE(stored, (FontDescription{204, MakeColorRef(192, 192, 192), -48, "DejaVu Serif", PitchDefault, 36, FontBold}));
        QCOMPARE(ToFontDescription(ToQFont(stored), stored.colour, stored.charSet, 96), stored);
    }
};

QTEST_MAIN(TestQtAppearance)
#include "tst_QtAppearance.moc"
