// Copying the driver folders that Setup.ini names.
#pragma once
#include <cstdint>

#include "platform/ports/LauncherSystem.h"
#include "setup/LauncherState.h"
#include "setup/SetupLog.h"

namespace vh {

// Silent, no confirmation, no confirmation for new folders, no error box.
constexpr std::uint16_t kDriverCopyFlags = 0x0614;
// ERROR_FILENAME_EXCED_RANGE: the result for a path that does not fit its buffer.
constexpr int kErrorPathTooLong = 206;

// Copies source (a "folder\*" pattern) into the destination folder with the shell copy; the
// shell's own result, 0 on success. Each path goes into a 260-character buffer ended by two
// terminators, so a path over 258 characters is refused with kErrorPathTooLong.
int CopyFolderContents(LauncherSystem& system, const wchar_t* source, const wchar_t* destination);

// CopyDriverFolders: every pair of every section, in order. 0 when all were handled, 105 at the
// first destination that cannot be created or copy that fails (both logged).
int CopyDriverFolders(LauncherSystem& system, SetupLog& log, const LauncherState& state);

}  // namespace vh
