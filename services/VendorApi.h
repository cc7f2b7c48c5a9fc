// The call contracts of Kavrel.dll and Marlowen.dll: records and entry-point signatures.
// Shared by the program, the simulated desktop and the test stand-ins, so all three agree.
#pragma once
#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define VENDOR_CALL __cdecl
#else
#define VENDOR_CALL
#endif

namespace vh {

// Passed by value to KavrelEvaluate. The 32-bit layout is fixed: command at 0 (bytes 1-3 unset),
// input at 4, input size at 8, output at 12, output size at 16. 64-bit builds keep the same fields
// in the same order with natural alignment.
struct KavrelRequest {
    std::uint8_t command;
    const std::uint8_t* input;
    std::uint32_t inputSize;
    std::uint8_t* output;
    std::uint32_t outputSize;
};

// Passed by pointer to ControlMethod.
struct ControlMethodRecord {
    std::uint32_t method;    // four ASCII bytes in memory order
    std::uint32_t argument;  // always 0
    std::uint32_t result;    // 0 before the call, read after it
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(KavrelRequest, command) == 0);
static_assert(offsetof(KavrelRequest, input) == 4);
static_assert(offsetof(KavrelRequest, inputSize) == 8);
static_assert(offsetof(KavrelRequest, output) == 12);
static_assert(offsetof(KavrelRequest, outputSize) == 16);
static_assert(sizeof(KavrelRequest) == 20);
#endif
static_assert(offsetof(ControlMethodRecord, argument) == 4);
static_assert(offsetof(ControlMethodRecord, result) == 8);
static_assert(sizeof(ControlMethodRecord) == 12);

// "SWOF" as it lies in memory: 0x53 0x57 0x4F 0x46.
constexpr std::uint32_t kMethodSwof = 0x464F5753u;

namespace kavrel {
constexpr std::uint8_t kQueryPlatform = 0x44;
constexpr std::uint8_t kVolumeControl = 0x59;
constexpr std::uint8_t kReadEc = 0xB0;
constexpr std::uint8_t kWriteEc = 0xB1;
constexpr std::uint8_t kVolumeToProgram = 0x90;
constexpr std::uint8_t kVolumeToEc = 0x91;
}  // namespace kavrel

extern "C" {
using KavrelEvaluateFn = std::uint32_t(VENDOR_CALL*)(KavrelRequest request);
using ControlMethodFn = std::uint32_t(VENDOR_CALL*)(ControlMethodRecord* record);
using GetIntFn = std::int32_t(VENDOR_CALL*)();                 // GetVolumnVista, GetMuteVista, WMI_GetBrightnessVista
using SetIntFn = std::int32_t(VENDOR_CALL*)(std::int32_t value);  // SetVolumnVista, SetMuteVista
using GetLevelFn = std::int32_t(VENDOR_CALL*)(std::int32_t index);  // WMI_GetBrightnessSetVista
}

}  // namespace vh
