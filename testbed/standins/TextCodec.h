// UTF-8 <-> UTF-16 conversion for file contents and debug lines.
#pragma once
#include <string>
#include <string_view>

namespace vh::standins {

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

}  // namespace vh::standins
