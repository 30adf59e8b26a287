#pragma once
#include <QLoggingCategory>
#include <exception>
#include <utility>

// What the program drops on purpose: a failed step that changes nothing else, a command that ended
// early. Quiet unless enabled, e.g. QT_LOGGING_RULES="lektavo.dropped.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDropped)

void LogDropped(const char *what, const char *reason);

// Runs a command, an event handler or a step whose failure is not reported to the user. A failure
// ends it where it happened, is logged under lektavo.dropped and goes no further: nothing
// unwinds into Qt's event delivery. Returns whether the step ran to its end.
template <typename Step>
bool Guarded(const char *what, Step &&step) noexcept
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const std::exception &failure) {
        LogDropped(what, failure.what());
    } catch (...) {
        LogDropped(what, "an exception of unknown type");
    }
    return false;
}
