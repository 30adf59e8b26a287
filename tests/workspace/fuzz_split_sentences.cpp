// libFuzzer target: SplitIntoSentences of any text gives what its algorithm, step by step, gives,
// and, unless the text is all blanks and comes back as it was, no two spaces in a row.
#include "LiteralCleanup.h"
#include "TextFromBytes.h"
#include "reading/BlankText.h"
#include "testsupport/FuzzCheck.h"
#include "workspace/TextCleanup.h"
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFromBytes(QByteArrayView(data, qsizetype(size)));
    const QString split = SplitIntoSentences(text);
    Check(split == Literal::SplitIntoSentences(text), "the same as the algorithm");
    Check(IsBlankText(text) || !split.contains(QStringLiteral("  ")), "no two spaces in a row");
    return 0;
}
