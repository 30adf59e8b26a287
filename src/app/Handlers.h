#pragma once
#include "platform/Guarded.h"
#include <QObject>
#include <type_traits>

// Connects a control's signal to a command or event handler of the program. The handler is a
// boundary: a failure in it ends it there and is logged as one the user would otherwise miss
// (Guarded), never unwinding into Qt. It may take the signal's arguments or none.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection OnSignal(Sender *sender, Signal signal, const QObject *context, const char *what,
                                 Handler handler)
{
    return QObject::connect(sender, signal, context, [what, handler = std::move(handler)](auto &&...arguments) {
        Guarded(what, [&] {
            if constexpr (std::is_invocable_v<const Handler &, decltype(arguments)...>)
                handler(arguments...);
            else
                handler();
        }, Failure::Seen);
    });
}
