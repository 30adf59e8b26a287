#include "platform/speech/SilenceTrimmer.h"
#include <QtTest>
#include <cmath>

namespace {

constexpr int Rate = 22050;
constexpr int Threshold = 64;

std::vector<short> Silence(int ms, short level = 0)
{
    return std::vector<short>(std::size_t(Rate) * ms / 1000, level);
}

std::vector<short> Tone(int ms)
{
    std::vector<short> tone(std::size_t(Rate) * ms / 1000);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = short((i % 2 ? 1 : -1) * (3000 + 2000 * std::sin(2 * M_PI * 440 * double(i) / Rate)));
    return tone;
}

std::vector<short> Join(std::initializer_list<std::vector<short>> parts)
{
    std::vector<short> joined;
    for (const auto &part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

std::vector<short> Trim(const std::vector<short> &input, int chunk)
{
    SilenceTrimmer trimmer(Rate, Threshold, 2, 5);
    std::vector<short> output;
    for (std::size_t at = 0; at < input.size(); at += std::size_t(chunk)) {
        const int count = int(std::min(std::size_t(chunk), input.size() - at));
        const auto playable = trimmer.Push(input.data() + at, count);
        output.insert(output.end(), playable.begin(), playable.end());
    }
    const auto tail = trimmer.Finish();
    output.insert(output.end(), tail.begin(), tail.end());
    return output;
}

}  // namespace

class TestSilenceTrimmer : public QObject {
    Q_OBJECT
private slots:
    void cutsTheEdgesAndKeepsInnerPauses_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::newRow("sample by sample") << 1;
        QTest::newRow("odd chunks") << 7;
        QTest::newRow("20 ms chunks") << 441;
        QTest::newRow("one chunk") << 1000000;
    }

    void cutsTheEdgesAndKeepsInnerPauses()
    {
        QFETCH(int, chunk);
        const auto first = Tone(50), second = Tone(30);
        const auto input = Join({Silence(100), first, Silence(80), second, Silence(330)});
        const auto expected = Join({Silence(2), first, Silence(80), second, Silence(5)});
        QCOMPARE(Trim(input, chunk), expected);
    }

    // Where the words of the input come out: the leading silence cut is counted off them.
    void inputPositionsComeOutPastTheCutSilence_data() { cutsTheEdgesAndKeepsInnerPauses_data(); }

    void inputPositionsComeOutPastTheCutSilence()
    {
        QFETCH(int, chunk);
        const std::size_t lead = Silence(100).size(), tone = Tone(50).size(), pause = Silence(80).size();
        const auto input = Join({Silence(100), Tone(50), Silence(80), Tone(30)});
        SilenceTrimmer trimmer(Rate, Threshold, 2, 5);
        for (std::size_t at = 0; at < input.size(); at += std::size_t(chunk)) {
            const bool soundPushed = at > lead;
            QCOMPARE(trimmer.PositionsKnown(), soundPushed);
            trimmer.Push(input.data() + at, int(std::min(std::size_t(chunk), input.size() - at)));
        }
        const std::size_t kept = Silence(2).size();
        QCOMPARE(trimmer.OutputPosition(lead), kept);
        QCOMPARE(trimmer.OutputPosition(lead + tone + pause), kept + tone + pause);
        QCOMPARE(trimmer.OutputPosition(0), std::size_t(0));
    }

    void quietNoiseCountsAsSilence()
    {
        const auto tone = Tone(40);
        const auto input = Join({Silence(60, 40), tone, Silence(200, -50)});
        const auto output = Trim(input, 256);
        QCOMPARE(output.size(), Silence(2).size() + tone.size() + Silence(5).size());
        QVERIFY(std::equal(tone.begin(), tone.end(), output.begin() + qsizetype(Silence(2).size())));
    }

    void silentUtteranceKeepsOnlyAShortEdge()
    {
        QCOMPARE(Trim(Silence(400), 441), Silence(2));
        QVERIFY(Trim({}, 441).empty());
    }
};

QTEST_GUILESS_MAIN(TestSilenceTrimmer)
#include "tst_SilenceTrimmer.moc"
