// Where the stand-ins keep their files: beside their own module.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace vh::standins {

// The DLL or program that this code was linked into.
HMODULE ThisModule();

// The file of that name in the folder of the module; empty when the module's path is unknown.
std::wstring PathBesideModule(HMODULE module, std::wstring_view fileName);

}  // namespace vh::standins
