// How fast record lines are laid out, without any file in the way.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "line.h"
#include "rand.h"

namespace {

// Fills one output buffer per iteration, starting at the record number given
// as the argument: the digit count of the numbers sets the line length.
void BM_FillRecs(benchmark::State &state)
{
    std::vector<char> buf(size_t{256} * 1024);
    recgen::srand(12345);
    int64_t first = state.range(0);
    int64_t records = 0;
    while (state.KeepRunning()) {
        int64_t next = first;
        recgen::fillrecs(buf.data(), buf.size(), &next, 2147483647);
        records += next - first;
        benchmark::DoNotOptimize(buf.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(records);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(buf.size()));
}

BENCHMARK(BM_FillRecs)->Arg(1)->Arg(1000000)->Arg(1000000000);

}  // namespace

BENCHMARK_MAIN();
