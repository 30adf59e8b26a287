#include "reading/BlankText.h"
#include "platform/TextArea.h"

namespace {
constexpr int BlankScanChunk = 1024;
}

int FirstNonBlank(const TextArea &area, int from)
{
    for (int position = std::max(from, 0);;) {
        const QString chunk = area.TextRange(position, BlankScanChunk);
        if (chunk.isEmpty())
            return -1;
        const auto found = std::find_if_not(chunk.begin(), chunk.end(), IsBlankChar);
        if (found != chunk.end())
            return position + int(found - chunk.begin());
        position += int(chunk.size());
    }
}
