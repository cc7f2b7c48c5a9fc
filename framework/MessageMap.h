// Static message maps: a constant table of {message, handler} per class, searched in order,
// with the base class's map after it. Handlers receive decoded arguments.
#pragma once
#include <cstdint>
#include <span>

#include "platform/ports/WindowSystem.h"

namespace vh {

class Window;

struct MessageEntry {
    std::uint32_t message;
    LResult (*invoke)(Window& self, const Message& message);
};

struct MessageMap {
    const MessageMap* base;
    std::span<const MessageEntry> entries;
};

// Decoders ("crackers") that turn wParam and lParam into the arguments a handler takes.
namespace on {

template <typename C, void (C::*M)()>
LResult Void(Window& w, const Message&) {
    (static_cast<C&>(w).*M)();
    return 0;
}

template <typename C, void (C::*M)(std::uint32_t id, LParam lParam)>
LResult SysCommand(Window& w, const Message& m) {
    (static_cast<C&>(w).*M)(static_cast<std::uint32_t>(m.wParam), m.lParam);
    return 0;
}

template <typename C, void (C::*M)(std::uintptr_t id)>
LResult Timer(Window& w, const Message& m) {
    (static_cast<C&>(w).*M)(m.wParam);
    return 0;
}

template <typename C, void (C::*M)(WindowPos* pos)>
LResult PosChanging(Window& w, const Message& m) {
    (static_cast<C&>(w).*M)(reinterpret_cast<WindowPos*>(m.lParam));
    return 0;
}

template <typename C, void (C::*M)(bool ending)>
LResult EndSession(Window& w, const Message& m) {
    (static_cast<C&>(w).*M)(m.wParam != 0);
    return 0;
}

template <typename C, Handle (C::*M)()>
LResult ReturnsHandle(Window& w, const Message&) {
    return static_cast<LResult>((static_cast<C&>(w).*M)());
}

template <typename C, int (C::*M)(const void* createStruct)>
LResult Create(Window& w, const Message& m) {
    return (static_cast<C&>(w).*M)(reinterpret_cast<const void*>(m.lParam));
}

template <typename C, void (C::*M)(bool show, std::uint32_t status)>
LResult ShowWindow(Window& w, const Message& m) {
    (static_cast<C&>(w).*M)(m.wParam != 0, static_cast<std::uint32_t>(m.lParam));
    return 0;
}

template <typename C, LResult (C::*M)(std::uint32_t bitsPerPixel, int width, int height)>
LResult DisplayChange(Window& w, const Message& m) {
    const auto resolution = static_cast<std::uint32_t>(m.lParam);
    return (static_cast<C&>(w).*M)(static_cast<std::uint32_t>(m.wParam), static_cast<int>(resolution & 0xFFFF),
                                   static_cast<int>(resolution >> 16));
}

template <typename C, LResult (C::*M)(WParam wParam, LParam lParam)>
LResult Raw(Window& w, const Message& m) {
    return (static_cast<C&>(w).*M)(m.wParam, m.lParam);
}

}  // namespace on

}  // namespace vh
