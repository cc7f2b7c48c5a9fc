// Plain scalar types shared by the portable code and the adapters.
// Portable code never includes an operating-system header; handles are opaque numbers.
#pragma once
#include <cstdint>

#if defined(_WIN32)
#define VH_CALLBACK __stdcall  // CALLBACK: the convention of procedures the system calls
#else
#define VH_CALLBACK
#endif

namespace vh {

using Hwnd = std::uintptr_t;       // window handle, 0 = none
using Handle = std::uintptr_t;     // any other system handle (icon, module, hook, key), 0 = none
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

constexpr Hwnd kNoWindow = 0;
constexpr Handle kNoHandle = 0;

// Window messages and constants the program uses by number.
namespace msg {
constexpr std::uint32_t kNull = 0x0000;
constexpr std::uint32_t kCreate = 0x0001;
constexpr std::uint32_t kDestroy = 0x0002;
constexpr std::uint32_t kSize = 0x0005;
constexpr std::uint32_t kPaint = 0x000F;
constexpr std::uint32_t kClose = 0x0010;
constexpr std::uint32_t kQueryEndSession = 0x0011;
constexpr std::uint32_t kEndSession = 0x0016;
constexpr std::uint32_t kShowWindow = 0x0018;
constexpr std::uint32_t kIconEraseBkgnd = 0x0027;
constexpr std::uint32_t kQueryDragIcon = 0x0037;
constexpr std::uint32_t kWindowPosChanging = 0x0046;
constexpr std::uint32_t kDisplayChange = 0x007E;
constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kInitDialog = 0x0110;
constexpr std::uint32_t kCommand = 0x0111;
constexpr std::uint32_t kSysCommand = 0x0112;
constexpr std::uint32_t kTimer = 0x0113;
constexpr std::uint32_t kPowerBroadcast = 0x0218;
constexpr std::uint32_t kWtsSessionChange = 0x02B1;
constexpr std::uint32_t kUser = 0x0400;
constexpr std::uint32_t kApp = 0x8000;
constexpr std::uint32_t kVarnoHotkey = 0x8065;  // WM_APP + 0x65: one keyboard event from the hook
}  // namespace msg

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// SetWindowPos flags and insert-after values
constexpr std::uint32_t kSwpNoSize = 0x0001;
constexpr std::uint32_t kSwpNoMove = 0x0002;
constexpr std::uint32_t kSwpNoZOrder = 0x0004;
constexpr std::uint32_t kSwpNoActivate = 0x0010;
constexpr std::uint32_t kSwpFrameChanged = 0x0020;
constexpr std::uint32_t kSwpShowWindow = 0x0040;
constexpr std::uint32_t kSwpHideWindow = 0x0080;
constexpr Hwnd kHwndTopmost = ~Hwnd{0};       // HWND_TOPMOST, (HWND)-1
constexpr Hwnd kHwndNoTopmost = ~Hwnd{0} - 1;  // HWND_NOTOPMOST, (HWND)-2

// WM_SIZE size types
constexpr WParam kSizeRestored = 0;
constexpr WParam kSizeMinimized = 1;

constexpr std::uint32_t kWsExLayered = 0x00080000;
constexpr std::uint32_t kMbOk = 0;
constexpr std::uint32_t kScClose = 0xF060;

// ShowWindow commands
constexpr int kSwHide = 0;
constexpr int kSwShowNormal = 1;
constexpr int kSwShowMinimized = 2;
constexpr int kSwShow = 5;
constexpr int kSwMinimize = 6;
constexpr int kSwRestore = 9;

constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorMoreData = 234;
constexpr std::uint32_t kErrorAlreadyExists = 183;

}  // namespace vh
