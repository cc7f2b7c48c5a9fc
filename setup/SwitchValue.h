// Command-line switches of the form  /switch "value".
#pragma once
#include "setup/PathBuffer.h"

namespace vh {

// True when part occurs in text (case-sensitive plain substring search).
bool ContainsText(const wchar_t* text, const wchar_t* part);

// Finds the first occurrence of switchText in commandLine and copies the text between the next
// two double quotes after it into value. Returns 0 when a value was copied (it may be empty),
// 105 when the line is empty, the switch is absent or no pair of quotes follows it; value is then
// empty. A value longer than 259 characters is cut to its first 259.
int GetSwitchValue(const wchar_t* commandLine, const wchar_t* switchText, wchar_t (&value)[kMaxPath]);

}  // namespace vh
