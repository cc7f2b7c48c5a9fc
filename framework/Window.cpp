#include "framework/Window.h"

namespace vh {

namespace {
constexpr MessageMap kEmptyMap{nullptr, {}};
}

Window::~Window() {
    // A window that outlives its object would call into freed memory.
    if (hwnd_ != kNoWindow) windows_.DestroyWindow(hwnd_);
}

const MessageMap& Window::GetMessageMap() const { return kEmptyMap; }

LResult Window::WindowProc(const Message& message) {
    const Message* outer = current_;
    current_ = &message;
    LResult result = 0;
    bool handled = false;
    for (const MessageMap* map = &GetMessageMap(); map && !handled; map = map->base) {
        for (const MessageEntry& entry : map->entries) {
            if (entry.message == message.message) {
                result = entry.invoke(*this, message);
                handled = true;
                break;
            }
        }
    }
    if (!handled) result = windows_.DefaultProcessing(message);
    current_ = outer;
    return result;
}

LResult Window::Default() { return current_ ? windows_.DefaultProcessing(*current_) : 0; }

bool Window::DestroyWindow() { return hwnd_ != kNoWindow && windows_.DestroyWindow(hwnd_); }

}  // namespace vh
