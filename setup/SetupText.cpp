#include "setup/SetupText.h"

#include <cwchar>

namespace vh {

void CopyCut(wchar_t* buf, std::size_t capacity, std::wstring_view text) {
    if (capacity == 0) return;
    const std::size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    text.copy(buf, n);
    buf[n] = L'\0';
}

void AppendCut(wchar_t* buf, std::size_t capacity, std::wstring_view text) {
    const std::size_t used = std::wcslen(buf);
    if (used + 1 >= capacity) return;
    CopyCut(buf + used, capacity - used, text);
}

void AddBackslash(wchar_t* buf, std::size_t capacity) {
    const std::size_t used = std::wcslen(buf);
    if (used == 0 || buf[used - 1] == L'\\') return;
    AppendCut(buf, capacity, L"\\");
}

bool Contains(std::wstring_view text, std::wstring_view part) { return text.find(part) != std::wstring_view::npos; }

}  // namespace vh
