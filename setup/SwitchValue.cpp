#include "setup/SwitchValue.h"

#include <string_view>

#include "setup/ExitCode.h"
#include "setup/SetupText.h"

namespace vh {

int GetSwitchValue(const wchar_t* commandLine, const wchar_t* switchText, wchar_t* output, std::size_t capacity) {
    if (capacity) output[0] = L'\0';
    const std::wstring_view line = commandLine ? commandLine : L"";
    const std::size_t at = line.empty() ? std::wstring_view::npos : line.find(switchText);
    if (at == std::wstring_view::npos) return kSetupAbort;
    const std::size_t open = line.find(L'"', at + std::wstring_view(switchText).size());
    if (open == std::wstring_view::npos) return kSetupAbort;
    const std::size_t close = line.find(L'"', open + 1);
    if (close == std::wstring_view::npos) return kSetupAbort;
    CopyCut(output, capacity, line.substr(open + 1, close - open - 1));
    return 0;
}

}  // namespace vh
