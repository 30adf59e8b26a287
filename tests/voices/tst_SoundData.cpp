#include "voices/SoundData.h"
#include <QtEndian>
#include <QtTest>

class TestSoundData : public QObject {
    Q_OBJECT

private:
    static qint32 At(const QByteArray &bytes, int offset)
    {
        return qFromLittleEndian<qint32>(bytes.constData() + offset);
    }

    static SoundData Sample()
    {
        SoundData data;
        data.LanguageFilter = 2;
        data.VoiceIndex = -1;
        for (int n = 0; n < SoundData::EntryCount; ++n)
            data.VoiceSettings[n] = {n + 1, 1000 + n, -n};
        return data;
    }

private slots:
    void fieldsSitAtTheirOffsets()
    {
        const QByteArray bytes = Sample().ToBytes();
        QCOMPARE(bytes.size(), 3620);
        QCOMPARE(At(bytes, 0), 2);
        QCOMPARE(At(bytes, 4), -1);
        for (int n : {0, 1, 7, 300}) {
            QCOMPARE(At(bytes, 8 + 12 * n), n + 1);      // speed
            QCOMPARE(At(bytes, 12 + 12 * n), 1000 + n);  // volume
            QCOMPARE(At(bytes, 16 + 12 * n), -n);        // pitch
        }
    }

    void roundTripKeepsEveryField()
    {
        const SoundData data = Sample();
        const auto back = SoundData::FromBytes(data.ToBytes());
        QVERIFY(back);
        QCOMPARE(*back, data);
    }

    void readsTheFirstRecordOfALongerBlock()
    {
        const QByteArray bytes = Sample().ToBytes() + QByteArray(100, '\x7f');
        QCOMPARE(SoundData::FromBytes(bytes), std::optional(Sample()));
    }

    void refusesAShortBlock()
    {
        QVERIFY(!SoundData::FromBytes(Sample().ToBytes().left(3619)));
        QVERIFY(!SoundData::FromBytes(QByteArray()));
    }
};

QTEST_APPLESS_MAIN(TestSoundData)
#include "tst_SoundData.moc"
