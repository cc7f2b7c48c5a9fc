// Binding of Kavrel.dll and Marlowen.dll and the program's small routines around them.
// An entry point that is not bound is never called; such a call counts as failed.
#pragma once
#include <cstdint>

#include "platform/ports/DebugOutput.h"
#include "platform/ports/LibraryLoader.h"
#include "services/VendorApi.h"

namespace vh {

struct KavrelEntryPoints {
    KavrelEvaluateFn kavrelEvaluate = nullptr;
    ControlMethodFn controlMethod = nullptr;
};

struct MarlowenEntryPoints {
    GetIntFn getBrightness = nullptr;       // WMI_GetBrightnessVista
    GetLevelFn getBrightnessSet = nullptr;  // WMI_GetBrightnessSetVista
    GetIntFn getVolume = nullptr;           // GetVolumnVista
    SetIntFn setVolume = nullptr;           // SetVolumnVista
    GetIntFn getMute = nullptr;             // GetMuteVista
    SetIntFn setMute = nullptr;             // SetMuteVista
};

extern Handle g_hKavrel;
extern Handle g_hMarlowen;
extern KavrelEntryPoints g_kavrel;
extern MarlowenEntryPoints g_marlowen;
extern std::uint8_t g_platformReply[2];  // byte 1 is the platform code

void LoadVendorLibraries(LibraryLoader& loader);
// Frees each library that is loaded and forgets its entry points.
void FreeVendorLibraries(LibraryLoader& loader);
void ResetVendorLibraries();

// Sends a command; false when KavrelEvaluate is unbound or answered 0.
bool KavrelCommand(std::uint8_t command, const std::uint8_t* input, std::uint32_t inputSize, std::uint8_t* output,
                   std::uint32_t outputSize);

// Command 0x44 into g_platformReply; logs and returns false when it fails.
bool QueryPlatformCode(DebugOutput& out);
std::uint8_t PlatformCode();
// Byte 0 is 0 and the platform code is 0xD8, 0xCB or 0xD5.
bool IsAltDtmPlatform();

void EnableVolumeControl(DebugOutput& out, bool enable);
std::uint8_t ReadECNamespace(DebugOutput& out, std::uint8_t index);
// The OSD window's own copy: its own log line, 0 on failure.
std::uint8_t ReadECNamespaceOSD(DebugOutput& out, std::uint8_t index);
void WriteECNamespace(DebugOutput& out, std::uint8_t value);
bool IsBatterySupportDTM(DebugOutput& out, bool altDtmIndex);

// Marlowen.dll's audio and brightness calls. An unbound entry point counts as failed: volume
// 0, not muted, brightness and levels -1, and a set that changes nothing.
std::int32_t GetVolumnVista();
void SetVolumnVista(std::int32_t volume);
std::int32_t GetMuteVista();
void SetMuteVista(std::int32_t mute);
std::int32_t WMI_GetBrightnessVista();
std::int32_t WMI_GetBrightnessSetVista(std::int32_t level);

}  // namespace vh
