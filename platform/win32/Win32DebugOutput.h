// Debug output through the debugger channel.
#pragma once
#include "platform/ports/DebugOutput.h"

namespace vh::win32 {

class Win32DebugOutput final : public DebugOutput {
public:
    void Write(const wchar_t* text) override;
};

}  // namespace vh::win32
