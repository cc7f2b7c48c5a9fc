// Stand-in for Orlenda.exe: shows nothing, records the arguments it was started with as one line
// of Orlenda.log (UTF-8) beside itself and as the debug line "[Orlenda] <arguments>", exits 0.
#include <windows.h>

#include <string>

#include "testbed/standins/FileAccess.h"
#include "testbed/standins/ModulePath.h"
#include "testbed/standins/TextCodec.h"

namespace {

bool AppendLine(const std::wstring& path, std::wstring_view line) {
    // Append-only access puts every write at the end, also when two instances run at once.
    vh::standins::UniqueHandle log = vh::standins::OpenFileRetrying(path, FILE_APPEND_DATA, OPEN_ALWAYS);
    return log && vh::standins::WriteText(log.Get(), vh::standins::Utf8FromWide(line) + "\n");
}

}  // namespace

// The arguments are the command line without the program's own name, as the start-up code passes
// them: for `"C:\x\Orlenda.exe" 4` that is `4`.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    const std::wstring_view line = arguments != nullptr ? arguments : L"";
    const std::wstring path = vh::standins::PathBesideModule(GetModuleHandleW(nullptr), L"Orlenda.log");
    if (path.empty() || !AppendLine(path, line)) {
        OutputDebugStringW(L"[Orlenda] cannot write Orlenda.log");
    }
    OutputDebugStringW((L"[Orlenda] " + std::wstring(line)).c_str());
    return 0;
}
