// Reading the driver's command-line arguments.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace e2e {

// "0x1F" (hexadecimal), "31" or "-1" (decimal); nothing else.
std::optional<std::int64_t> ParseNumber(std::wstring_view text);

// A ShowWindow command: a number or one of the SW_ names ("SW_SHOW", "SW_HIDE", ...).
std::optional<int> ParseShowCommand(std::wstring_view text);

}  // namespace e2e
