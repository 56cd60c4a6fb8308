// Replays the committed fuzz findings and the seed corpus through the
// fuzzer's own entry. Each input must finish (under the sanitizer build:
// without a report), must never ask the memory layer for much more than
// the input holds, and a library that makes a strip must get itself back
// from that strip byte for byte.
#include "fuzz/conversion_run.h"
#include "fuzz/seed_corpus.h"

#include "platform/core/memory.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>

// Names the outcome in a failure message.
void PrintTo(ConversionOutcome outcome, std::ostream* out)
{
    const char* names[] = { "Failed", "Written", "Declined" };
    *out << names[static_cast<int>(outcome)];
}

namespace {

struct ReplayInput {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

void PrintTo(const ReplayInput& input, std::ostream* out) { *out << input.name << " (" << input.bytes.size() << " bytes)"; }

std::vector<ReplayInput> CommittedRegressions()
{
    std::vector<ReplayInput> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(QUINTARO_FUZZ_REGRESSIONS)) {
        std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.starts_with(".") || name.ends_with(".md"))
            continue;
        inputs.push_back({ "regression-" + name, ReadFileBytes(entry.path().string()) });
    }
    std::sort(inputs.begin(), inputs.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return inputs;
}

std::vector<ReplayInput> ReplayInputs()
{
    std::vector<ReplayInput> inputs = CommittedRegressions();
    for (SeedInput& seed : MakeSeedCorpus())
        inputs.push_back({ "seed-" + seed.name, std::move(seed.bytes) });
    return inputs;
}

std::string TestName(const testing::TestParamInfo<ReplayInput>& info)
{
    std::string name = info.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

// The most one request may ask for: a strip pads each icon to the widest,
// and a library's parts can be read more than once, so a small multiple of
// the input is allowed, plus the fixed allowances the engine grants the
// loaded records and the strip (16 MiB each) and room for the copy buffer.
constexpr SIZE_T kRequestBytesPerInputByte = 64;
constexpr SIZE_T kRequestFloor = SIZE_T(17) << 20;
// Inputs of a few kilobytes convert in milliseconds; this leaves room for
// a loaded machine and the sanitizers, and still catches work that grows
// with a field's value instead of with the file.
constexpr auto kLongestRun = std::chrono::seconds(20);

SIZE_T AllowedRequest(std::size_t inputBytes) { return kRequestFloor + kRequestBytesPerInputByte * inputBytes; }

// Watches every global and heap request while it lives. A request above
// the bound is refused, so that the test reports it instead of taking
// gigabytes, and remembered.
class RequestWatch {
public:
    explicit RequestWatch(SIZE_T bound)
    {
        alloc_faults::SetRefuser([this, bound](SIZE_T bytes) {
            m_largest = std::max(m_largest, bytes);
            return bytes > bound;
        });
    }
    ~RequestWatch() { alloc_faults::Reset(); }
    RequestWatch(const RequestWatch&) = delete;
    RequestWatch& operator=(const RequestWatch&) = delete;

    SIZE_T Largest() const { return m_largest; }

private:
    SIZE_T m_largest = 0;
};

class FuzzReplayTest : public testing::TestWithParam<ReplayInput> {
};

TEST(FuzzReplaySourcesTest, RegressionFolderAndSeedsAreThere)
{
    ASSERT_TRUE(std::filesystem::is_directory(QUINTARO_FUZZ_REGRESSIONS));
    std::vector<SeedInput> seeds = MakeSeedCorpus();
    EXPECT_GE(std::count_if(seeds.begin(), seeds.end(), [](const SeedInput& s) { return s.name.starts_with(kValidSeedPrefix); }), 3);
}

TEST_P(FuzzReplayTest, FinishesWithinTheRequestBoundAndRoundTripsExactly)
{
    const ReplayInput& input = GetParam();
    SIZE_T bound = AllowedRequest(input.bytes.size());
    ConversionRunReport report;
    SIZE_T largest = 0;
    auto start = std::chrono::steady_clock::now();
    {
        RequestWatch watch(bound);
        report = RunConversionsOnInput(input.bytes);
        largest = watch.Largest();
    }
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, kLongestRun) << "the run took " << std::chrono::duration<double>(elapsed).count() << " s";
    EXPECT_LE(largest, bound) << "one request asked for " << largest << " bytes of an input of " << input.bytes.size();
    if (report.roundTripRan) {
        EXPECT_EQ(report.roundTrip, ConversionOutcome::Written) << "the library's own strip was not taken back";
        EXPECT_TRUE(report.roundTripExact) << "the library's own strip did not give back the library";
    }

    if (input.name.starts_with(std::string("seed-") + kValidSeedPrefix)) {
        EXPECT_EQ(report.toStrip, ConversionOutcome::Written);
        EXPECT_EQ(report.fromInputStrip, ConversionOutcome::Written);
        EXPECT_TRUE(report.roundTripRan && report.roundTripExact);
        // The round trip replaces the copy the input's strip made.
        EXPECT_EQ(report.questions, 1);
        EXPECT_EQ(report.guardReports, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzReplayTest, testing::ValuesIn(ReplayInputs()), TestName);

} // namespace
