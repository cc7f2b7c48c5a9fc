#include "setup/DriverSection.h"

namespace vh {

std::vector<DriverKeyPair> PairDriverKeys(const std::vector<std::wstring>& keys) {
    std::vector<DriverKeyPair> pairs;
    std::size_t cursor = 0;
    while (cursor < keys.size()) {
        const bool hasNext = cursor + 1 < keys.size();
        if (hasNext && keys[cursor].find(L"ExtractDrvSource") != std::wstring::npos &&
            keys[cursor + 1].find(L"ExtractDrvDest") != std::wstring::npos) {
            pairs.push_back({keys[cursor], keys[cursor + 1]});
            cursor += 2;
        } else {
            ++cursor;
        }
    }
    return pairs;
}

}  // namespace vh
