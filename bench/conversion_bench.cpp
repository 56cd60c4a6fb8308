// Times the reader and both conversions on the bench libraries, each in a
// temporary folder. The conversions run through the Go command, as the
// front ends run them, answering Yes when asked to replace the output of
// the iteration before.
#include "bench/bench_libraries.h"

#include "convert/run_conversion.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

struct BenchFiles {
    std::string library;
    std::string strip;
    std::string output;
    std::int64_t libraryBytes;
};

void ReadLibrary(benchmark::State& state, const BenchFiles& files)
{
    MessageRecorder messages;
    for (auto _ : state) {
        CIconLibraryFile library;
        if (!library.Open(files.library.c_str(), CFile::modeRead) || !library.ReadIcons()) {
            state.SkipWithError("the library did not read");
            return;
        }
        benchmark::DoNotOptimize(library.m_iconBitmaps.data());
    }
    state.SetBytesProcessed(state.iterations() * files.libraryBytes);
}

// Runs one conversion per iteration and stops the benchmark unless it wrote.
void Convert(benchmark::State& state, int direction, const std::string& input, const std::string& output,
    const std::string& original, std::int64_t bytes)
{
    MessageRecorder messages;
    for (auto _ : state) {
        messages.Answer(IDYES);
        ConversionOutcome outcome = RunConversion(direction, input, output, original, nullptr);
        messages.Clear();
        if (outcome != ConversionOutcome::Written) {
            state.SkipWithError("the conversion did not write its output");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

// Writes the library and its strip, which the way back reads.
BenchFiles SaveLibrary(const TempDir& dir, const BenchLibrary& bench)
{
    BenchFiles files { dir.File(bench.name + ".ico"), dir.File(bench.name + ".bmp"), dir.File(bench.name + "-out"),
        static_cast<std::int64_t>(bench.image.bytes.size()) };
    bench.image.Save(files.library);
    MessageRecorder quiet;
    if (RunConversion(0, files.library, files.strip, "", nullptr) != ConversionOutcome::Written)
        throw std::runtime_error("cannot make the strip of " + bench.name);
    return files;
}

void RegisterFor(const std::string& name, const BenchFiles& files)
{
    benchmark::RegisterBenchmark(("ReadIcons/" + name).c_str(), [files](benchmark::State& state) { ReadLibrary(state, files); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BuildBmpFile/" + name).c_str(), [files](benchmark::State& state) {
        Convert(state, 0, files.library, files.output + ".bmp", "", files.libraryBytes);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BuildIcoFile/" + name).c_str(), [files](benchmark::State& state) {
        Convert(state, 1, files.strip, files.output + ".ico", files.library, files.libraryBytes);
    })->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TempDir dir;
    for (const BenchLibrary& bench : MakeBenchLibraries())
        RegisterFor(bench.name, SaveLibrary(dir, bench));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
