#include "setup/SwitchValue.h"

#include <string_view>

#include "setup/ExitCode.h"

namespace vh {

bool ContainsText(const wchar_t* text, const wchar_t* part) {
    if (!text || !part) return false;
    return std::wstring_view(text).find(part) != std::wstring_view::npos;
}

int GetSwitchValue(const wchar_t* commandLine, const wchar_t* switchText, wchar_t (&value)[kMaxPath]) {
    value[0] = L'\0';
    if (!commandLine || !*commandLine || !switchText) return kSetupFailed;
    const std::wstring_view line(commandLine);
    const std::size_t at = line.find(switchText);
    if (at == std::wstring_view::npos) return kSetupFailed;
    const std::size_t open = line.find(L'"', at + std::wstring_view(switchText).size());
    if (open == std::wstring_view::npos) return kSetupFailed;
    const std::size_t close = line.find(L'"', open + 1);
    if (close == std::wstring_view::npos) return kSetupFailed;

    std::wstring_view text = line.substr(open + 1, close - open - 1);
    if (text.size() > kMaxPath - 1) text = text.substr(0, kMaxPath - 1);  // keep what fits
    text.copy(value, text.size());
    value[text.size()] = L'\0';
    return kSetupSucceeded;
}

}  // namespace vh
