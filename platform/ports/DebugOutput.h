// Where every diagnostic goes: one call per line, the exact text.
#pragma once

namespace vh {

class DebugOutput {
public:
    virtual ~DebugOutput() = default;
    virtual void Write(const wchar_t* text) = 0;  // OutputDebugStringW
};

}  // namespace vh
