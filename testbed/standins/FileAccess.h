// File operations of the stand-ins. Tests read and write the same files while the program runs, so
// an open that meets a sharing conflict is tried again for a short while before it counts as failed.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "testbed/standins/UniqueHandle.h"

namespace vh::standins {

// CreateFileW, tried again for about a second while another process holds the file.
UniqueHandle OpenFileRetrying(const std::wstring& path, DWORD access, DWORD disposition);

// The whole file; "" when it does not exist; nothing when it exists but cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

// Writes the text in one piece to an open handle.
bool WriteText(HANDLE file, std::string_view text);

// Writes a temporary file beside the target and moves it over the target, so that a reader sees
// either the old or the new contents, never half of them.
bool ReplaceFileContents(const std::wstring& path, std::string_view text);

}  // namespace vh::standins
