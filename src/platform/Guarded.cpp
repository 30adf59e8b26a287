#include "platform/Guarded.h"

Q_LOGGING_CATEGORY(lcDropped, "lektavo.dropped", QtInfoMsg)

void LogDropped(const char *what, const char *reason, Failure failure)
{
    if (failure == Failure::Seen)
        qCWarning(lcDropped, "%s: %s", what, reason);
    else
        qCDebug(lcDropped, "%s: %s", what, reason);
}
