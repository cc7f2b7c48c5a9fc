// The two paths of one driver pair.
#pragma once
#include "platform/ports/LauncherSystem.h"
#include "setup/PathBuffer.h"

namespace vh {

// root\destination\ and, when sectionName is given, the section name after it; the short form
// when the path exists.
PathBuffer BuildDestinationPath(LauncherSystem& system, const wchar_t* root, const wchar_t* destination,
                                const wchar_t* sectionName);

// moduleDir\source\ (the short form when it exists) followed by "*".
PathBuffer BuildSourcePath(LauncherSystem& system, const wchar_t* moduleDir, const wchar_t* source);

}  // namespace vh
