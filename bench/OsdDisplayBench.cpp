// One OSD display (decode the picture, compose the frame, layered update, show) and the whole
// volume-key path (hook procedure, dispatch, vendor calls, display) on the simulated desktop,
// with the allocations per display. Nothing is cached between displays, so every iteration
// decodes its picture afresh: the cost is the real one.
#include <benchmark/benchmark.h>

#include "app/CVarnoHotkeyApp.h"
#include "app/CVarnoHotkeyDlg.h"
#include "app/FeatureConfig.h"
#include "app/Globals.h"
#include "bench/AllocationCounter.h"
#include "platform/sim/SimDesktop.h"

namespace {

struct QuietProgram {
    QuietProgram() {
        vh::ResetProcessGlobals();
        desk.registry.SetDword(vh::kVarnoHotkeyKey, L"VarnoHotkeyControl", vh::HKC_VOLUME);
        desk.windows.RegisterDialogClassCopy(vh::kControllerClassName);
        dlg.Create(vh::kNoWindow);
        desk.trace.enabled = false;
        desk.debug.keepLines = false;
        desk.vendor.recordCalls = false;
    }
    ~QuietProgram() {
        dlg.DestroyWindow();
        vh::ResetProcessGlobals();
    }
    vh::sim::SimDesktop desk;
    vh::CVarnoHotkeyDlg dlg{desk.platform};
};

void ReportAllocations(benchmark::State& state, long long before) {
    state.SetItemsProcessed(state.iterations());
    state.counters["allocations_per_display"] = benchmark::Counter(
        static_cast<double>(vh::bench::AllocationCount() - before) / static_cast<double>(state.iterations()));
}

void BM_OneDisplay(benchmark::State& state) {
    QuietProgram program;
    program.dlg.InitFuncUIDlg();
    const long long before = vh::bench::AllocationCount();
    for (auto _ : state) {
        program.dlg.m_OSDdlg.SetBackground(237);
        program.dlg.m_OSDdlg.ShowImage(3000);
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_OneDisplay);

void BM_VolumeKeyToDisplay(benchmark::State& state) {
    QuietProgram program;
    const long long before = vh::bench::AllocationCount();
    std::uint32_t scan = 0x2D;
    for (auto _ : state) {
        program.desk.keyboard.Deliver(scan, 0x81);
        program.desk.windows.RunFor(0);
        scan = scan == 0x2D ? 0x28 : 0x2D;  // up and down in turn
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_VolumeKeyToDisplay);

}  // namespace
