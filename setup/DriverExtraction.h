// Extraction mode: the driver sections of Setup.ini and the copy of their folders.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/ports/LauncherSystem.h"
#include "setup/LauncherState.h"

namespace vh {

constexpr std::size_t kCopyMessage = 1024;  // messages of the copy step, terminator included

// Splits a terminated-names list of at most `length` characters (the reader's result), never
// reading past it; a last name cut by the reader is kept as it came.
std::vector<std::wstring> SplitNameList(const wchar_t* list, std::size_t length);

// Indexes of the keys that pair up: a key containing "ExtractDrvSource" immediately followed by
// one containing "ExtractDrvDest".
std::vector<std::pair<std::size_t, std::size_t>> PairDriverKeys(const std::vector<std::wstring>& keys);

// 0 when done, 105 when Setup.ini does not exist.
int LoadDriverInfo(LauncherSystem& system, LauncherState& state);
// 0 when every pair was handled, 105 at the first folder that cannot be created or copied.
int CopyDriverFolders(LauncherSystem& system, LauncherState& state);
// The shell copy of "source\*" into the destination folder: its own result.
int CopyFolderContents(LauncherSystem& system, const wchar_t* sourcePattern, const wchar_t* destination);

}  // namespace vh
