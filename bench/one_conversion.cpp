// A driver for measuring one conversion from outside (peak memory with
// /usr/bin/time -v): "write <folder>" saves the bench libraries and their
// strips; "to-bmp <library> <strip>" and "to-ico <strip> <output> <library>"
// run a single conversion and nothing else.
#include "bench/bench_libraries.h"

#include "convert/run_conversion.h"
#include "tests/support/message_recorder.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

int WriteLibraries(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    MessageRecorder quiet;
    for (const BenchLibrary& bench : MakeBenchLibraries()) {
        std::string library = (folder / (bench.name + ".ico")).string();
        std::string strip = (folder / (bench.name + ".bmp")).string();
        std::filesystem::remove(strip);
        bench.image.Save(library);
        if (RunConversion(0, library, strip, "", nullptr) != ConversionOutcome::Written)
            return 1;
        std::printf("%s (%zu bytes) and its strip (%ju bytes)\n", library.c_str(), bench.image.bytes.size(),
            std::uintmax_t(std::filesystem::file_size(strip)));
    }
    return 0;
}

int Convert(int direction, const char* input, const char* output, const char* original)
{
    MessageRecorder messages;
    messages.Answer(IDYES);
    return RunConversion(direction, input, output, original, nullptr) == ConversionOutcome::Written ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "write") == 0)
        return WriteLibraries(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "to-bmp") == 0)
        return Convert(0, argv[2], argv[3], "");
    if (argc == 5 && std::strcmp(argv[1], "to-ico") == 0)
        return Convert(1, argv[2], argv[3], argv[4]);
    std::fprintf(stderr, "usage: %s write <folder> | to-bmp <library> <strip> | to-ico <strip> <output> <library>\n", argv[0]);
    return 2;
}
