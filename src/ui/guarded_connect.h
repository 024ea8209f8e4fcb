#pragma once

#include "ui/error_reporter.h"

#include <QObject>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

class Messages;

namespace GuardedConnectDetail {

template <typename F, typename... Args> void callWithLeading(F& f, const Args&... args);

template <typename F, typename Tuple, std::size_t... I>
void callWithFirst(F& f, const Tuple& arguments, std::index_sequence<I...>) {
    callWithLeading(f, std::get<I>(arguments)...);
}

// Calls f with as many of the leading arguments as it takes, as Qt's own connect does.
template <typename F, typename... Args> void callWithLeading(F& f, const Args&... args) {
    if constexpr (std::is_invocable_v<F&, const Args&...>) {
        std::invoke(f, args...);
    } else {
        static_assert(sizeof...(Args) > 0, "the handler cannot be called with the signal's arguments");
        callWithFirst(f, std::forward_as_tuple(args...), std::make_index_sequence<sizeof...(Args) - 1>{});
    }
}

} // namespace GuardedConnectDetail

// Connects a signal to a window's handler so that an error the handler lets escape is
// reported right there, through the window's messages, and never crosses Qt's event loop.
// The handler is a member function of the receiver or any callable taking the signal's
// leading arguments.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectGuarded(Messages& messages, const Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler) {
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        auto call = [receiver,
                     handler](const auto&... arguments) -> decltype(std::invoke(handler, receiver, arguments...)) {
            return std::invoke(handler, receiver, arguments...);
        };
        return connectGuarded(messages, sender, signal, receiver, call);
    } else {
        return QObject::connect(sender, signal, receiver, [&messages, handler](const auto&... arguments) mutable {
            runReportingErrors(messages, [&] { GuardedConnectDetail::callWithLeading(handler, arguments...); });
        });
    }
}
