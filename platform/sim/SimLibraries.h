// Library loading on the simulated desktop: the vendor stand-ins are the only libraries.
#pragma once
#include <map>
#include <set>
#include <string>

#include "platform/ports/LibraryLoader.h"
#include "platform/sim/SimTrace.h"
#include "platform/sim/SimVendor.h"

namespace vh::sim {

class SimLibraries : public LibraryLoader {
public:
    explicit SimLibraries(SimTrace& trace) : trace_(trace) {}

    std::set<std::wstring> missing;  // library names that fail to load
    bool IsLoaded(const std::wstring& name) const;
    int LoadedCount() const { return static_cast<int>(loaded_.size()); }

    Handle Load(const wchar_t* fileName) override;
    ProcAddress GetProc(Handle module, const char* name) override;
    bool Free(Handle module) override;

private:
    std::map<Handle, std::wstring> loaded_;
    Handle next_ = 0x40000;
    SimTrace& trace_;
};

}  // namespace vh::sim
