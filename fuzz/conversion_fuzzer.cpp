// The libFuzzer target: every input runs through both conversions. The
// sanitizers catch reads and writes beyond a block, libFuzzer's limits
// catch large allocations; a round trip that changes the library is a
// fault of its own and stops the run here.
#include "fuzz/conversion_run.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ConversionRunReport report = RunConversionsOnInput({ data, size });
    if (report.roundTripRan && !report.roundTripExact) {
        std::fprintf(stderr, "The library's own strip did not convert back into an identical library.\n");
        std::abort();
    }
    return 0;
}
