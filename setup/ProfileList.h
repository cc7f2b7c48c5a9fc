// Reading a list of names from the profile reader: each name terminated, the list ended by a
// second terminator.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vh {

// The names in list (capacity characters), never reading past the buffer. reported is the
// reader's result. A list that did not fit is reported as capacity - 2 and ends with a cut name
// whose terminator stands at capacity - 2; that name is dropped, since it names nothing in the
// file. A name without a terminator inside the buffer is dropped too.
std::vector<std::wstring> SplitProfileList(const wchar_t* list, std::size_t capacity, std::uint32_t reported);

}  // namespace vh
