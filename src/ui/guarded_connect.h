#pragma once

#include "ui/error_reporter.h"

#include <QObject>
#include <functional>
#include <type_traits>

class Messages;

// Connects a signal to a window's handler so that an error the handler lets escape is
// reported right there, through the window's messages, and never crosses Qt's event loop.
// The handler is a member function of the receiver or any callable; like Qt's own connect,
// it may take the signal's arguments or none.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectGuarded(Messages& messages, const Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler) {
    return QObject::connect(sender, signal, receiver, [&messages, receiver, handler](const auto&... arguments) {
        runReportingErrors(messages, [&] {
            if constexpr (std::is_member_function_pointer_v<Handler>) {
                if constexpr (std::is_invocable_v<Handler, Receiver*, decltype(arguments)...>)
                    std::invoke(handler, receiver, arguments...);
                else
                    std::invoke(handler, receiver);
            } else {
                if constexpr (std::is_invocable_v<Handler, decltype(arguments)...>)
                    std::invoke(handler, arguments...);
                else
                    std::invoke(handler);
            }
        });
    });
}
