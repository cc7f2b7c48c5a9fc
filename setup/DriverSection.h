// The driver sections of Setup.ini: which folders extraction mode copies.
#pragma once
#include <string>
#include <vector>

namespace vh {

// One section of Setup.ini other than "Utility". sources[n] (relative to the launcher's folder)
// is copied into destinations[n] (relative to the destination root).
struct DriverSection {
    std::wstring name;
    std::vector<std::wstring> sources;
    std::vector<std::wstring> destinations;
    bool operator==(const DriverSection&) const = default;
};

struct DriverKeyPair {
    std::wstring sourceKey;
    std::wstring destinationKey;
};

// The pairs among a section's key names, in file order: a key containing "ExtractDrvSource"
// directly followed by one containing "ExtractDrvDest". Any other key is passed over, so a
// source followed by an unrelated key pairs with nothing.
std::vector<DriverKeyPair> PairDriverKeys(const std::vector<std::wstring>& keys);

}  // namespace vh
