// libFuzzer target: RemoveHyphenation of any text gives what its algorithm, step by step, gives.
#include "LiteralCleanup.h"
#include "TextFromBytes.h"
#include "testsupport/FuzzCheck.h"
#include "workspace/TextCleanup.h"
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFromBytes(QByteArrayView(data, qsizetype(size)));
    Check(RemoveHyphenation(text) == Literal::RemoveHyphenation(text), "the same as the algorithm");
    return 0;
}
