#include "setup/DriverPaths.h"

namespace vh {

namespace {

// Replaces an existing path by its short form. A path that is already cut is not looked up, and
// a short form that does not fit leaves the long one.
void ShortenIfExists(LauncherSystem& system, PathBuffer& path) {
    if (path.TooLong() || !system.PathExists(path.c_str())) return;
    wchar_t shortForm[kMaxPath] = {};
    const std::uint32_t length = system.GetShortPath(path.c_str(), shortForm, kMaxPath);
    if (length > 0 && length < kMaxPath) path.Assign(shortForm);
}

}  // namespace

PathBuffer BuildDestinationPath(LauncherSystem& system, const wchar_t* root, const wchar_t* destination,
                                const wchar_t* sectionName) {
    PathBuffer path;
    path.Assign(root);
    path.AddBackslash();
    path.Append(destination);
    path.AddBackslash();
    if (sectionName) path.Append(sectionName);
    ShortenIfExists(system, path);
    return path;
}

PathBuffer BuildSourcePath(LauncherSystem& system, const wchar_t* moduleDir, const wchar_t* source) {
    PathBuffer path;
    path.Assign(moduleDir);
    path.Append(L"\\");
    path.Append(source);
    path.AddBackslash();
    ShortenIfExists(system, path);
    path.Append(L"*");
    return path;
}

}  // namespace vh
