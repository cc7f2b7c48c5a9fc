// The simulated desktop's ordered record of notable system calls, for order checks in tests.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

namespace vh::sim {

class SimTrace {
public:
    void Add(std::wstring event) {
        if (enabled) events.push_back(std::move(event));
    }
    // Position of the first event equal to text, or -1.
    int IndexOf(const std::wstring& text) const {
        auto it = std::find(events.begin(), events.end(), text);
        return it == events.end() ? -1 : static_cast<int>(it - events.begin());
    }
    int Count(const std::wstring& text) const {
        return static_cast<int>(std::count(events.begin(), events.end(), text));
    }
    std::vector<std::wstring> events;
    bool enabled = true;  // off for benchmarks, so that recording does not allocate
};

}  // namespace vh::sim
