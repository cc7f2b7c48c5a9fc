// Scripted answers to the operating-system queries, with a record of the COM calls.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ports/SystemInfo.h"
#include "platform/sim/SimTrace.h"

namespace vh::sim {

enum class WmiStep { InitializeCom, InitializeSecurity, CreateLocator, ConnectServer, SetProxyBlanket, ExecQuery };

class SimWmi : public WmiSession {
public:
    explicit SimWmi(SimTrace& trace) : trace_(trace) {}

    // Set-up: the result of each step (0 = S_OK) and the objects the query returns.
    std::int32_t results[6] = {0, 0, 0, 0, 0, 0};
    std::vector<std::wstring> versions = {L"6.1.7601"};
    void Fail(WmiStep step, std::int32_t hr) { results[static_cast<int>(step)] = hr; }

    // Inspection.
    int comInitialized = 0;    // balance of successful initialisations and uninitialisations
    int acquired = 0;          // objects obtained and not yet released
    int queries = 0;

    std::int32_t InitializeCom() override;
    std::int32_t InitializeSecurity() override { return Step(WmiStep::InitializeSecurity); }
    std::int32_t CreateLocator() override { return Acquire(WmiStep::CreateLocator); }
    std::int32_t ConnectServer(const wchar_t* nameSpace) override;
    std::int32_t SetProxyBlanket() override { return Step(WmiStep::SetProxyBlanket); }
    std::int32_t ExecQuery(const wchar_t* language, const wchar_t* query) override;
    bool NextObject(const wchar_t* property, std::wstring& value) override;
    void ReleaseAll() override { acquired = 0; }
    void UninitializeCom() override;

private:
    std::int32_t Step(WmiStep step) { return results[static_cast<int>(step)]; }
    std::int32_t Acquire(WmiStep step) {
        const std::int32_t hr = Step(step);
        if (hr >= 0) ++acquired;
        return hr;
    }
    std::size_t next_ = 0;
    SimTrace& trace_;
};

class SimSystem : public SystemInfo {
public:
    explicit SimSystem(SimTrace& trace) : wmi(trace) {}

    SimWmi wmi;
    bool nativeInfoAvailable = true;
    std::uint16_t architecture = 0;  // x86
    bool versionInfoAvailable = true;
    OsVersionInfo versionInfo{6, 1, 2, 1};
    bool tokenGroupsReadable = true;
    std::uint32_t tokenGroupsBytes = 200;  // how much room the groups need
    std::vector<TokenGroup> tokenGroups = {{true, L"Everyone", 7}, {true, L"Users", 7}};
    bool powerStatusReadable = true;
    PowerStatus powerStatus{1, 100};

    // Answers for a Windows version given as WMI text, e.g. "10.0.10240".
    void SetWindowsVersion(const std::wstring& text) { wmi.versions = {text}; }

    WmiSession& Wmi() override { return wmi; }
    bool GetNativeArchitecture(std::uint16_t& arch) override;
    bool GetVersionInfo(OsVersionInfo& info) override;
    bool GetTokenGroups(std::uint32_t bufferBytes, std::vector<TokenGroup>& groups) override;
    bool GetPowerStatus(PowerStatus& status) override;
};

}  // namespace vh::sim
