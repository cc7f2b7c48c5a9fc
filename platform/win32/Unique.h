// Move-only owners for Windows handles and COM interface pointers.
//
// Unique<Traits> holds one handle of the kind Traits describes and closes it when it goes out of
// scope or is reset. A traits struct names the handle type, its "no handle" value, how to test a
// value and how to close it. Predefined handles (HKEY_LOCAL_MACHINE, GetModuleHandleW results,
// GetStockObject results) are not owned and must never be put into one of these.
#pragma once
#include <windows.h>

#include <utility>

namespace vh::win32 {

template <typename Traits>
class Unique {
public:
    using Type = typename Traits::Type;

    Unique() noexcept = default;
    explicit Unique(Type handle) noexcept : handle_(handle) {}
    ~Unique() { reset(); }

    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    // Closes the handle held (if any) and takes ownership of the new one.
    void reset(Type handle = Traits::Invalid()) noexcept {
        const Type old = std::exchange(handle_, handle);
        if (Traits::IsValid(old)) Traits::Close(old);
    }

    [[nodiscard]] Type get() const noexcept { return handle_; }

    // Gives up ownership without closing.
    [[nodiscard]] Type release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    // For calls that return a handle through an out parameter: closes the current one first.
    [[nodiscard]] Type* put() noexcept {
        reset();
        return &handle_;
    }

    explicit operator bool() const noexcept { return Traits::IsValid(handle_); }

private:
    Type handle_ = Traits::Invalid();
};

// Handles whose "none" value is null.
template <typename T, auto CloseFn>
struct NullInvalidTraits {
    using Type = T;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { CloseFn(h); }
};

struct HookTraits : NullInvalidTraits<HHOOK, &::UnhookWindowsHookEx> {};
struct WindowTraits : NullInvalidTraits<HWND, &::DestroyWindow> {};
struct KeyTraits : NullInvalidTraits<HKEY, &::RegCloseKey> {};
struct IconTraits : NullInvalidTraits<HICON, &::DestroyIcon> {};
struct BitmapTraits : NullInvalidTraits<HBITMAP, &::DeleteObject> {};
struct GdiObjectTraits : NullInvalidTraits<HGDIOBJ, &::DeleteObject> {};
struct MemoryDcTraits : NullInvalidTraits<HDC, &::DeleteDC> {};  // CreateCompatibleDC / CreateDCW
struct ModuleTraits : NullInvalidTraits<HMODULE, &::FreeLibrary> {};  // LoadLibraryW
// Process, thread, token, mutex, event: the calls that create them return null on failure.
struct HandleTraits : NullInvalidTraits<HANDLE, &::CloseHandle> {};

// CreateFileW, CreateToolhelp32Snapshot and the like return INVALID_HANDLE_VALUE on failure;
// null is not a handle either.
struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { ::CloseHandle(h); }
};

using UniqueHook = Unique<HookTraits>;
using UniqueWindow = Unique<WindowTraits>;
using UniqueKey = Unique<KeyTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueBitmap = Unique<BitmapTraits>;
using UniqueGdiObject = Unique<GdiObjectTraits>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;
using UniqueModule = Unique<ModuleTraits>;
using UniqueHandle = Unique<HandleTraits>;
using UniqueFileHandle = Unique<FileHandleTraits>;

// A window's device context from GetDC (window may be null for the screen), given back with
// ReleaseDC, which needs the same window.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() { reset(); }

    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    void reset() noexcept {
        if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
        dc_ = nullptr;
        window_ = nullptr;
    }

    [[nodiscard]] HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Owns one reference to a COM interface; Release on reset or destruction.
template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    explicit ComPtr(T* p) noexcept : p_(p) {}  // takes over the caller's reference
    ~ComPtr() { reset(); }

    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    ComPtr(ComPtr&& other) noexcept : p_(other.release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    void reset(T* p = nullptr) noexcept {
        T* const old = std::exchange(p_, p);
        if (old != nullptr) old->Release();
    }

    [[nodiscard]] T* get() const noexcept { return p_; }
    [[nodiscard]] T* release() noexcept { return std::exchange(p_, nullptr); }

    // For calls that return the interface through an out parameter of type T**.
    [[nodiscard]] T** put() noexcept {
        reset();
        return &p_;
    }

    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

}  // namespace vh::win32
