// Keeps every debugger-output line.
#pragma once
#include <string>
#include <vector>

#include "platform/ports/DebugOutput.h"
#include "platform/sim/SimTrace.h"

namespace vh::sim {

class SimDebugOutput : public DebugOutput {
public:
    explicit SimDebugOutput(SimTrace& trace) : trace_(trace) {}
    void Write(const wchar_t* text) override {
        if (!keepLines) return;
        lines.emplace_back(text);
        trace_.Add(L"log " + lines.back());
    }
    bool Contains(const std::wstring& line) const {
        for (const auto& l : lines)
            if (l == line) return true;
        return false;
    }
    int CountOf(const std::wstring& line) const {
        int n = 0;
        for (const auto& l : lines) n += l == line;
        return n;
    }
    std::vector<std::wstring> lines;
    bool keepLines = true;  // off for benchmarks, so that recording does not allocate

private:
    SimTrace& trace_;
};

}  // namespace vh::sim
