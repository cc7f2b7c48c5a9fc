#include "setup/ProfileList.h"

namespace vh {

std::vector<std::wstring> SplitProfileList(const wchar_t* list, std::size_t capacity, std::uint32_t reported) {
    std::vector<std::wstring> names;
    std::size_t lastTerminator = 0;
    std::size_t pos = 0;
    while (pos < capacity && list[pos] != L'\0') {
        const std::size_t start = pos;
        while (pos < capacity && list[pos] != L'\0') ++pos;
        if (pos == capacity) break;  // runs to the end of the buffer without a terminator
        names.emplace_back(list + start, pos - start);
        lastTerminator = pos;
        ++pos;
    }
    const bool listWasCut = capacity >= 2 && reported == capacity - 2;
    if (listWasCut && !names.empty() && lastTerminator == capacity - 2) names.pop_back();
    return names;
}

}  // namespace vh
