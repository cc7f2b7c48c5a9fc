// Everything the program needs from the system, handed to it by reference when it is built.
#pragma once
#include "platform/ports/DebugOutput.h"
#include "platform/ports/Graphics.h"
#include "platform/ports/KeyboardHook.h"
#include "platform/ports/LibraryLoader.h"
#include "platform/ports/Process.h"
#include "platform/ports/Registry.h"
#include "platform/ports/SystemInfo.h"
#include "platform/ports/WindowSystem.h"

namespace vh {

struct Platform {
    DebugOutput& debug;
    WindowSystem& windows;
    KeyboardHook& hook;
    Registry& registry;
    LibraryLoader& libraries;
    SystemInfo& system;
    Process& process;
    Graphics& graphics;
};

}  // namespace vh
