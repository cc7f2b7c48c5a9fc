// The simulated desktop: one deterministic object that plays the system for tests, benchmarks
// and the simulator front end.
#pragma once
#include "platform/ports/Platform.h"
#include "platform/sim/SimDebugOutput.h"
#include "platform/sim/SimGraphics.h"
#include "platform/sim/SimKeyboard.h"
#include "platform/sim/SimLibraries.h"
#include "platform/sim/SimProcess.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimSystem.h"
#include "platform/sim/SimTrace.h"
#include "platform/sim/SimVendor.h"
#include "platform/sim/SimWindows.h"

namespace vh::sim {

class SimDesktop {
public:
    SimDesktop() { g_simVendor = &vendor; }
    ~SimDesktop() { g_simVendor = nullptr; }
    SimDesktop(const SimDesktop&) = delete;
    SimDesktop& operator=(const SimDesktop&) = delete;

    SimTrace trace;
    SimDebugOutput debug{trace};
    SimWindows windows{trace};
    SimKeyboard keyboard{windows, trace};
    SimRegistry registry{trace};
    SimLibraries libraries{trace};
    SimSystem system{trace};
    SimProcess process{trace};
    SimGraphics graphics{windows, trace};
    SimVendorState vendor;

    Platform platform{debug, windows, keyboard, registry, libraries, system, process, graphics};
};

}  // namespace vh::sim
