#include "platform/sim/SimVendor.h"

#include <algorithm>

#include "platform/ports/LibraryLoader.h"

namespace vh::sim {

SimVendorState* g_simVendor = nullptr;

int SimVendorState::CountCommand(std::uint8_t command) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const VendorCall& c) {
        return c.entry == "KavrelEvaluate" && c.command == command;
    }));
}

bool SimVendorState::SentCommand(std::uint8_t command, std::uint8_t firstInput) const {
    return std::any_of(calls.begin(), calls.end(), [&](const VendorCall& c) {
        return c.entry == "KavrelEvaluate" && c.command == command && !c.input.empty() && c.input[0] == firstInput;
    });
}

namespace {

SimVendorState& State() { return *g_simVendor; }

void Record(const char* entry, std::int32_t argument = 0) {
    if (!State().recordCalls) return;
    VendorCall call;
    call.entry = entry;
    call.argument = argument;
    State().calls.push_back(std::move(call));
}

std::uint32_t VENDOR_CALL KavrelEvaluate(KavrelRequest request) {
    SimVendorState& s = State();
    VendorCall call;
    call.entry = "KavrelEvaluate";
    call.command = request.command;
    if (request.input) call.input.assign(request.input, request.input + request.inputSize);
    s.calls.push_back(call);
    if (s.failKavrel) return 0;
    switch (request.command) {
        case kavrel::kQueryPlatform:
            if (!request.output || request.outputSize < 2) return 0;
            request.output[0] = s.platformReply[0];
            request.output[1] = s.platformReply[1];
            return 1;
        case kavrel::kVolumeControl:
            if (!request.input || request.inputSize < 1) return 0;
            s.volumeControl = request.input[0];
            return 1;
        case kavrel::kReadEc:
            if (!request.input || request.inputSize < 1 || !request.output || request.outputSize < 1) return 0;
            request.output[0] = s.ec[request.input[0]];
            return 1;
        case kavrel::kWriteEc:
            if (!request.input || request.inputSize < 2) return 0;
            s.ec[request.input[0]] = request.input[1];
            return 1;
        default:
            return 0;
    }
}

std::uint32_t VENDOR_CALL ControlMethod(ControlMethodRecord* record) {
    Record("ControlMethod");
    if (State().failKavrel || !record || record->method != kMethodSwof) return 0;
    record->result = State().wirelessResult;
    return 1;
}

std::int32_t VENDOR_CALL GetVolumnVista() {
    Record("GetVolumnVista");
    return State().volume;
}
std::int32_t VENDOR_CALL SetVolumnVista(std::int32_t v) {
    Record("SetVolumnVista", v);
    State().volume = v;
    return 0;
}
std::int32_t VENDOR_CALL GetMuteVista() {
    Record("GetMuteVista");
    return State().mute;
}
std::int32_t VENDOR_CALL SetMuteVista(std::int32_t v) {
    Record("SetMuteVista", v);
    State().mute = v;
    return 0;
}
std::int32_t VENDOR_CALL GetBrightness() {
    Record("WMI_GetBrightnessVista");
    return State().brightness;
}
std::int32_t VENDOR_CALL GetBrightnessSet(std::int32_t index) {
    Record("WMI_GetBrightnessSetVista", index);
    const auto& levels = State().levels;
    return index >= 0 && static_cast<std::size_t>(index) < levels.size() ? levels[static_cast<std::size_t>(index)] : -1;
}

template <typename Fn>
ProcAddress AsProc(Fn fn) {
    return reinterpret_cast<ProcAddress>(fn);
}

}  // namespace

ProcAddress SimVendorEntry(const std::string& module, const std::string& name) {
    if (g_simVendor && g_simVendor->missingEntries.count(name)) return nullptr;
    if (module == "Kavrel.dll") {
        if (name == "KavrelEvaluate") return AsProc(&KavrelEvaluate);
        if (name == "ControlMethod") return AsProc(&ControlMethod);
    } else if (module == "Marlowen.dll") {
        if (name == "GetVolumnVista") return AsProc(&GetVolumnVista);
        if (name == "SetVolumnVista") return AsProc(&SetVolumnVista);
        if (name == "GetMuteVista") return AsProc(&GetMuteVista);
        if (name == "SetMuteVista") return AsProc(&SetMuteVista);
        if (name == "WMI_GetBrightnessVista") return AsProc(&GetBrightness);
        if (name == "WMI_GetBrightnessSetVista") return AsProc(&GetBrightnessSet);
    }
    return nullptr;
}

}  // namespace vh::sim
