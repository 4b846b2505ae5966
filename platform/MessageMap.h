// Message maps: static tables from a message (for commands, a control id and
// a notification code) to a member function of one of three fixed shapes,
// and the look-up that calls the right one. No window code, so the look-up
// is tested without Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <variant>

namespace message_map {

using Message = unsigned;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using Result = std::intptr_t;

constexpr Message kCommand = 0x0111;  // WM_COMMAND: matched by id and code as well

}  // namespace message_map

// Handler shapes:
//   void T::f()                    commands (by control id and notification) and
//                                  plain messages such as WM_PAINT
//   void T::f(unsigned id, LParam) system commands: WM_SYSCOMMAND's id and lParam
//   Handle T::f()                  queries answered with a handle, such as
//                                  WM_QUERYDRAGICON; the handle is the result
template <class T, class Handle>
struct MessageMapEntry
{
    using Plain = void (T::*)();
    using SysCommand = void (T::*)(unsigned, message_map::LParam);
    using Query = Handle (T::*)();

    message_map::Message message;
    unsigned id;    // WM_COMMAND only: the control or command identifier
    unsigned code;  // WM_COMMAND only: the notification code
    std::variant<Plain, SysCommand, Query> handler;
};

// Finds the entry for this message in map and calls its handler on target.
// Returns false when the map has no entry for it.
template <class T, class Handle, std::size_t N>
bool DispatchMessageMap(const MessageMapEntry<T, Handle> (&map)[N], T& target, message_map::Message message,
                        message_map::WParam wParam, message_map::LParam lParam, message_map::Result& result)
{
    using Entry = MessageMapEntry<T, Handle>;
    for (const Entry& entry : map) {
        if (entry.message != message)
            continue;
        if (message == message_map::kCommand &&
            (entry.id != (wParam & 0xFFFF) || entry.code != ((wParam >> 16) & 0xFFFF)))
            continue;
        result = 0;
        if (auto plain = std::get_if<typename Entry::Plain>(&entry.handler))
            (target.**plain)();
        else if (auto sys = std::get_if<typename Entry::SysCommand>(&entry.handler))
            (target.**sys)(static_cast<unsigned>(wParam), lParam);
        else if (auto query = std::get_if<typename Entry::Query>(&entry.handler))
            result = reinterpret_cast<message_map::Result>((target.**query)());
        return true;
    }
    return false;
}
