#include "services/VendorLibraries.h"

namespace vh {

Handle g_hKavrel = kNoHandle;
Handle g_hMarlowen = kNoHandle;
KavrelEntryPoints g_kavrel;
MarlowenEntryPoints g_marlowen;
std::uint8_t g_platformReply[2] = {0, 0};

namespace {

template <typename Fn>
Fn Bind(LibraryLoader& loader, Handle module, const char* name) {
    return reinterpret_cast<Fn>(loader.GetProc(module, name));
}

}  // namespace

void LoadVendorLibraries(LibraryLoader& loader) {
    g_hKavrel = loader.Load(L"Kavrel.dll");
    if (g_hKavrel != kNoHandle) {
        g_kavrel.kavrelEvaluate = Bind<KavrelEvaluateFn>(loader, g_hKavrel, "KavrelEvaluate");
        g_kavrel.controlMethod = Bind<ControlMethodFn>(loader, g_hKavrel, "ControlMethod");
    }
    g_hMarlowen = loader.Load(L"Marlowen.dll");
    if (g_hMarlowen != kNoHandle) {
        g_marlowen.getBrightness = Bind<GetIntFn>(loader, g_hMarlowen, "WMI_GetBrightnessVista");
        g_marlowen.getBrightnessSet = Bind<GetLevelFn>(loader, g_hMarlowen, "WMI_GetBrightnessSetVista");
        g_marlowen.getVolume = Bind<GetIntFn>(loader, g_hMarlowen, "GetVolumnVista");
        g_marlowen.setVolume = Bind<SetIntFn>(loader, g_hMarlowen, "SetVolumnVista");
        g_marlowen.getMute = Bind<GetIntFn>(loader, g_hMarlowen, "GetMuteVista");
        g_marlowen.setMute = Bind<SetIntFn>(loader, g_hMarlowen, "SetMuteVista");
    }
}

void FreeVendorLibraries(LibraryLoader& loader) {
    if (g_hKavrel != kNoHandle) {
        loader.Free(g_hKavrel);
        g_hKavrel = kNoHandle;
        g_kavrel = KavrelEntryPoints{};
    }
    if (g_hMarlowen != kNoHandle) {
        loader.Free(g_hMarlowen);
        g_hMarlowen = kNoHandle;
        g_marlowen = MarlowenEntryPoints{};
    }
}

void ResetVendorLibraries() {
    g_hKavrel = kNoHandle;
    g_hMarlowen = kNoHandle;
    g_kavrel = KavrelEntryPoints{};
    g_marlowen = MarlowenEntryPoints{};
    g_platformReply[0] = g_platformReply[1] = 0;
}

bool KavrelCommand(std::uint8_t command, const std::uint8_t* input, std::uint32_t inputSize, std::uint8_t* output,
                   std::uint32_t outputSize) {
    if (!g_kavrel.kavrelEvaluate) return false;
    KavrelRequest request{};
    request.command = command;
    request.input = input;
    request.inputSize = inputSize;
    request.output = output;
    request.outputSize = outputSize;
    return g_kavrel.kavrelEvaluate(request) != 0;
}

bool QueryPlatformCode(DebugOutput& out) {
    if (KavrelCommand(kavrel::kQueryPlatform, nullptr, 0, g_platformReply, sizeof g_platformReply)) return true;
    out.Write(L"[VarnoHotkey] Can't Read EC Namespace!\n");
    return false;
}

std::uint8_t PlatformCode() { return g_platformReply[1]; }

bool IsAltDtmPlatform() {
    const std::uint8_t code = g_platformReply[1];
    return g_platformReply[0] == 0 && (code == 0xD8 || code == 0xCB || code == 0xD5);
}

void EnableVolumeControl(DebugOutput& out, bool enable) {
    out.Write(enable ? L"[VarnoHotkey]Enable VarnoHotkey to control Volume\n"
                     : L"[VarnoHotkey]Disable VarnoHotkey to control Volume\n");
    const std::uint8_t owner = enable ? kavrel::kVolumeToProgram : kavrel::kVolumeToEc;
    const bool ok = KavrelCommand(kavrel::kVolumeControl, &owner, 1, nullptr, 0);
    out.Write(ok ? L"[VarnoHotkey] Kavrel True\n" : L"[VarnoHotkey] Kavrel False\n");
}

std::uint8_t ReadECNamespace(DebugOutput& out, std::uint8_t index) {
    std::uint8_t value = 0;
    if (!KavrelCommand(kavrel::kReadEc, &index, 1, &value, 1)) out.Write(L"[VarnoHotkey] Can't read EC namespace");
    return value;
}

std::uint8_t ReadECNamespaceOSD(DebugOutput& out, std::uint8_t index) {
    std::uint8_t value = 0;
    if (KavrelCommand(kavrel::kReadEc, &index, 1, &value, 1)) return value;
    out.Write(L"[Function_UI] Can't Read EC Namespace!\n");
    return 0;
}

void WriteECNamespace(DebugOutput& out, std::uint8_t value) {
    const std::uint8_t input[2] = {8, value};
    if (!KavrelCommand(kavrel::kWriteEc, input, sizeof input, nullptr, 0)) out.Write(L"Can't write EC namespace");
}

bool IsBatterySupportDTM(DebugOutput& out, bool altDtmIndex) {
    const std::uint8_t value = ReadECNamespace(out, altDtmIndex ? 5 : 34);
    if ((value & 0x01) == 0) return false;
    out.Write(L"[VarnoHotkey] This's battery support DTM");
    return true;
}

std::int32_t GetVolumnVista() { return g_marlowen.getVolume ? g_marlowen.getVolume() : 0; }

void SetVolumnVista(std::int32_t volume) {
    if (g_marlowen.setVolume) g_marlowen.setVolume(volume);
}

std::int32_t GetMuteVista() { return g_marlowen.getMute ? g_marlowen.getMute() : 0; }

void SetMuteVista(std::int32_t mute) {
    if (g_marlowen.setMute) g_marlowen.setMute(mute);
}

std::int32_t WMI_GetBrightnessVista() { return g_marlowen.getBrightness ? g_marlowen.getBrightness() : -1; }

std::int32_t WMI_GetBrightnessSetVista(std::int32_t level) {
    return g_marlowen.getBrightnessSet ? g_marlowen.getBrightnessSet(level) : -1;
}

}  // namespace vh
