// Stand-in for Kavrel.dll: embedded-controller commands and the wireless switch, answered from
// the simulated hardware in VendorState.txt. Every call leaves one debug line.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <type_traits>

#include "services/VendorApi.h"
#include "testbed/standins/DebugLine.h"
#include "testbed/standins/VendorState.h"

using vh::standins::ByteListText;
using vh::standins::HexByteText;
using vh::standins::VendorState;
using vh::standins::WriteDebugLine;

namespace {

constexpr std::wstring_view kWriter = L"Kavrel";
constexpr std::uint32_t kLoggedInputLimit = 8;  // the program never sends more than 2

// Carries out one request; the number of output bytes written, or nothing when the request is
// malformed or unknown, in which case no output byte has been touched.
std::optional<std::uint32_t> Evaluate(const vh::KavrelRequest& request, VendorState& state) {
    namespace kavrel = vh::kavrel;
    const bool hasInput = request.input != nullptr && request.inputSize >= 1;
    const bool hasOutput = request.output != nullptr && request.outputSize >= 1;
    switch (request.command) {
    case kavrel::kQueryPlatform: {
        if (request.output == nullptr || request.outputSize < 2) {
            return std::nullopt;
        }
        const std::array<std::uint8_t, 2> reply = state.PlatformReply();
        std::copy(reply.begin(), reply.end(), request.output);
        return 2;
    }
    case kavrel::kVolumeControl: {
        if (!hasInput) {
            return std::nullopt;
        }
        const std::uint8_t mode = request.input[0];
        if (mode != kavrel::kVolumeToProgram && mode != kavrel::kVolumeToEc) {
            return std::nullopt;
        }
        state.SetVolumeControl(mode);
        return state.Save() ? std::optional<std::uint32_t>(0) : std::nullopt;
    }
    case kavrel::kReadEc:
        if (!hasInput || !hasOutput) {
            return std::nullopt;
        }
        request.output[0] = state.EcByte(request.input[0]);
        return 1;
    case kavrel::kWriteEc:
        if (request.input == nullptr || request.inputSize < 2) {
            return std::nullopt;
        }
        state.SetEcByte(request.input[0], request.input[1]);
        return state.Save() ? std::optional<std::uint32_t>(0) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::wstring InputText(const vh::KavrelRequest& request) {
    if (request.input == nullptr) {
        return {};
    }
    std::wstring text = ByteListText(request.input, std::min(request.inputSize, kLoggedInputLimit));
    if (request.inputSize > kLoggedInputLimit) {
        text += L",...";
    }
    return text;
}

// The four method-name bytes as text when they are printable, else as a hexadecimal number.
std::wstring MethodText(std::uint32_t method) {
    std::wstring text;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto letter = static_cast<wchar_t>((method >> shift) & 0xFF);
        if (letter < 0x21 || letter > 0x7E) {
            std::wstring number = L"0x";
            for (int high = 24; high >= 0; high -= 8) {
                number += HexByteText(static_cast<std::uint8_t>(method >> high));
            }
            return number;
        }
        text += letter;
    }
    return text;
}

}  // namespace

extern "C" {

std::uint32_t VENDOR_CALL KavrelEvaluate(vh::KavrelRequest request) {
    VendorState state = VendorState::Load(kWriter);
    const std::optional<std::uint32_t> written =
        state.Failing() ? std::nullopt : Evaluate(request, state);
    const std::uint32_t result = written ? 1 : 0;
    WriteDebugLine(L"[Kavrel] KavrelEvaluate cmd=0x" + HexByteText(request.command) + L" in=" + InputText(request) +
                   L" out=" + ByteListText(request.output, written.value_or(0)) + L" -> " +
                   std::to_wstring(result));
    return result;
}

std::uint32_t VENDOR_CALL ControlMethod(vh::ControlMethodRecord* record) {
    if (record == nullptr) {
        WriteDebugLine(L"[Kavrel] ControlMethod null -> 0");
        return 0;
    }
    const VendorState state = VendorState::Load(kWriter);
    const bool answered = record->method == vh::kMethodSwof && !state.Failing();
    if (answered) {
        record->result = state.Wireless();
    }
    std::wstring line = L"[Kavrel] ControlMethod " + MethodText(record->method) + L" arg=" +
                        std::to_wstring(record->argument) + L" -> " + (answered ? L"1" : L"0");
    if (answered) {
        line += L" result=" + std::to_wstring(record->result);
    }
    WriteDebugLine(line);
    return answered ? 1 : 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        OutputDebugStringW(L"[Kavrel] attach");
    } else if (reason == DLL_PROCESS_DETACH) {
        OutputDebugStringW(L"[Kavrel] detach");
    }
    return TRUE;
}

}  // extern "C"

// The exports must match the signatures the program calls through.
static_assert(std::is_same_v<decltype(&KavrelEvaluate), vh::KavrelEvaluateFn>);
static_assert(std::is_same_v<decltype(&ControlMethod), vh::ControlMethodFn>);
