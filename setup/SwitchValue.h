// Reading a switch's quoted value from the launcher's command line.
#pragma once
#include <cstddef>

namespace vh {

// Finds the first occurrence of the switch text (case-sensitive, anywhere in the line) and takes
// the text between the next two double quotes as its value. 0 when found and copied, 105 when the
// switch or a pair of quotes after it is missing (the output is then empty). A value longer than
// the buffer is cut to capacity - 1 characters.
int GetSwitchValue(const wchar_t* commandLine, const wchar_t* switchText, wchar_t* output, std::size_t capacity);

}  // namespace vh
