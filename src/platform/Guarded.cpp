#include "platform/Guarded.h"

Q_LOGGING_CATEGORY(lcDropped, "lektavo.dropped", QtInfoMsg)

void LogDropped(const char *what, const char *reason)
{
    qCDebug(lcDropped, "%s: %s", what, reason);
}
