#pragma once
#include <QLoggingCategory>
#include <exception>
#include <utility>

// What the program drops on purpose: a failed step that changes nothing else, a command that ended
// early. Failures the user would miss are warnings and always shown; the quiet ones are debug
// messages, shown when enabled, e.g. QT_LOGGING_RULES="lektavo.dropped.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDropped)

enum class Failure {
    Quiet,  // nothing the user asked for is lost: a callback, a step tried in passing
    Seen,   // the user's command did not achieve what it was for
};

void LogDropped(const char *what, const char *reason, Failure failure = Failure::Quiet);

// Runs a command, an event handler or a step whose failure is not reported to the user. A failure
// ends it where it happened, is logged under lektavo.dropped at the level of its kind and goes no
// further: nothing unwinds into Qt's event delivery. Returns whether the step ran to its end.
template <typename Step>
bool Guarded(const char *what, Step &&step, Failure failure = Failure::Quiet) noexcept
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const std::exception &exception) {
        LogDropped(what, exception.what(), failure);
    } catch (...) {
        LogDropped(what, "an exception of unknown type", failure);
    }
    return false;
}
