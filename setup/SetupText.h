// Small wide-string helpers on the launcher's fixed 260-character buffers.
#pragma once
#include <cstddef>
#include <string_view>

namespace vh {

constexpr std::size_t kSetupPath = 260;  // paths and main-flow messages, terminator included

// Copies text into buf, cut to capacity - 1 characters, always terminated.
void CopyCut(wchar_t* buf, std::size_t capacity, std::wstring_view text);
// Appends text, cut to what is left of the buffer.
void AppendCut(wchar_t* buf, std::size_t capacity, std::wstring_view text);
// Appends a backslash unless the text is empty or already ends in one (as PathAddBackslashW).
void AddBackslash(wchar_t* buf, std::size_t capacity);
bool Contains(std::wstring_view text, std::wstring_view part);

}  // namespace vh
