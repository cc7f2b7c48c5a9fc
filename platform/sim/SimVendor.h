// In-process stand-ins for Kavrel.dll and Marlowen.dll that keep the call contracts. A test
// scripts the hardware's answers and sees every call.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/ports/LibraryLoader.h"
#include "services/VendorApi.h"

namespace vh::sim {

struct VendorCall {
    std::string entry;                 // entry-point name
    std::uint8_t command = 0;          // KavrelEvaluate only
    std::vector<std::uint8_t> input;   // KavrelEvaluate only
    std::int32_t argument = 0;         // setters and level queries
};

struct SimVendorState {
    std::uint8_t platformReply[2] = {0x00, 0x00};
    std::uint8_t ec[256] = {};
    bool failKavrel = false;  // every Kavrel call answers 0 and leaves the output alone
    std::uint32_t wirelessResult = 1;
    std::int32_t volume = 50;
    std::int32_t mute = 0;
    std::int32_t brightness = 50;
    std::vector<std::int32_t> levels = {10, 25, 40, 55, 70, 85, 100};
    std::uint8_t volumeControl = 0;  // last byte of command 0x59
    std::vector<VendorCall> calls;
    bool recordCalls = true;  // the getters and setters; off for benchmarks
    std::set<std::string> missingEntries;  // entry points GetProcAddress does not find

    int CountCommand(std::uint8_t command) const;
    bool SentCommand(std::uint8_t command, std::uint8_t firstInput) const;
};

// The entry point of the given name, or null.
ProcAddress SimVendorEntry(const std::string& module, const std::string& name);

// The state the entry points act on; set by the simulated desktop.
extern SimVendorState* g_simVendor;

}  // namespace vh::sim
