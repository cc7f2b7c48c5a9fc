// Events per second through the hook procedure, the posted message and the dispatch's
// fall-through (timer 0 restarted), with the number of allocations on that path.
#include <benchmark/benchmark.h>

#include "app/CVarnoHotkeyApp.h"
#include "app/CVarnoHotkeyDlg.h"
#include "app/FeatureConfig.h"
#include "app/Globals.h"
#include "bench/AllocationCounter.h"
#include "platform/sim/SimDesktop.h"

namespace {

void BM_OrdinaryKeyThroughHookAndFallThrough(benchmark::State& state) {
    vh::ResetProcessGlobals();
    vh::sim::SimDesktop desk;
    desk.registry.SetDword(vh::kVarnoHotkeyKey, L"VarnoHotkeyControl", 0x3FFF);
    desk.windows.RegisterDialogClassCopy(vh::kControllerClassName);
    vh::CVarnoHotkeyDlg dlg(desk.platform);
    dlg.Create(vh::kNoWindow);
    desk.trace.enabled = false;
    // Warm up once so that the timer slot exists.
    desk.keyboard.Deliver(0x1E, 0x00);
    desk.windows.RunFor(0);

    const long long before = vh::bench::AllocationCount();
    std::uint32_t flags = 0;
    for (auto _ : state) {
        desk.keyboard.Deliver(0x1E, flags);  // 'A' pressed and released in turn
        desk.windows.RunFor(0);
        flags ^= 0x80;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocations_per_event"] =
        benchmark::Counter(static_cast<double>(vh::bench::AllocationCount() - before) / static_cast<double>(state.iterations()));
    dlg.DestroyWindow();
    vh::ResetProcessGlobals();
}
BENCHMARK(BM_OrdinaryKeyThroughHookAndFallThrough);

}  // namespace

BENCHMARK_MAIN();
