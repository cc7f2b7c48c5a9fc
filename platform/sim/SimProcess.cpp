#include "platform/sim/SimProcess.h"

namespace vh::sim {

std::uintptr_t SimProcess::GdiplusStartup() {
    trace_.Add(L"GdiplusStartup");
    return gdiplusToken;
}

void SimProcess::GdiplusShutdown(std::uintptr_t token) {
    trace_.Add(L"GdiplusShutdown");
    shutdownToken = token;
}

bool SimProcess::InitCommonControls(std::uint32_t dwIcc) {
    trace_.Add(L"InitCommonControlsEx");
    commonControlsIcc = dwIcc;
    return true;
}

MutexResult SimProcess::CreateNamedMutex(const wchar_t* name, bool) {
    trace_.Add(std::wstring(L"CreateMutex ") + name);
    if (failMutex) return {kNoHandle, 5};
    const bool exists = !existingMutexes.insert(name).second;
    return {0x50, exists ? kErrorAlreadyExists : 0};
}

std::uint32_t SimProcess::GetModulePath(wchar_t* buffer, std::uint32_t capacity) {
    if (failModulePath || capacity == 0) return 0;
    // Like the system: a path that does not fit is cut to the buffer (terminated on Windows
    // XP and later) and the full buffer size is returned.
    const std::size_t n = modulePath.size() < capacity ? modulePath.size() : capacity - 1;
    modulePath.copy(buffer, n);
    buffer[n] = L'\0';
    return n == modulePath.size() ? static_cast<std::uint32_t>(n) : capacity;
}

std::intptr_t SimProcess::ShellOpen(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                       const wchar_t* directory, int showCommand) {
    starts.push_back({verb ? verb : L"", file ? file : L"", parameters ? parameters : L"", directory ? directory : L"",
                      showCommand});
    trace_.Add(L"ShellExecute " + starts.back().file + L" " + starts.back().parameters);
    return 42;
}

}  // namespace vh::sim
