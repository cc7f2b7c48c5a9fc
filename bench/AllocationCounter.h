// Counts every allocation of the benchmark process (global operator new is replaced).
#pragma once

namespace vh::bench {
long long AllocationCount();
}
