// A window object bound to one system window: dispatches its messages through the class's
// message map and falls back to the window's default processing.
#pragma once
#include "framework/MessageMap.h"
#include "platform/ports/WindowSystem.h"

namespace vh {

class Window : public WindowTarget {
public:
    explicit Window(WindowSystem& windows) : windows_(windows) {}
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Hwnd GetSafeHwnd() const { return hwnd_; }
    WindowSystem& Windows() const { return windows_; }

    // WindowTarget
    void Attach(Hwnd hwnd) override { hwnd_ = hwnd; }
    LResult WindowProc(const Message& message) override;
    bool PreTranslateMessage(const Message&) override { return false; }
    void Detach() override { hwnd_ = kNoWindow; }

    bool DestroyWindow();

protected:
    virtual const MessageMap& GetMessageMap() const;
    // Default processing of the message being handled.
    LResult Default();

private:
    WindowSystem& windows_;
    Hwnd hwnd_ = kNoWindow;
    const Message* current_ = nullptr;
};

}  // namespace vh
