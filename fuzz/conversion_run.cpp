#include "fuzz/conversion_run.h"

#include "fuzz/fuzz_input.h"
#include "fuzz/scratch_folder.h"
#include "fuzz/yes_answering_service.h"

#include "convert/run_conversion.h"
#include "platform/core/exception_guard.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace {

// One folder for the whole process: a fuzz run makes millions of inputs.
const ScratchFolder& Folder()
{
    static const ScratchFolder folder;
    return folder;
}

void WriteBytes(const std::string& name, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

std::vector<std::uint8_t> ReadBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

bool SameBytes(std::span<const std::uint8_t> a, const std::vector<std::uint8_t>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// Runs one conversion under the guard; an exception leaves it Failed.
ConversionOutcome Guarded(ConversionRunReport& report, int direction, const std::string& input, const std::string& output,
    const std::string& original)
{
    ConversionOutcome outcome = ConversionOutcome::Failed;
    if (!RunGuarded(nullptr, [&] { outcome = RunConversion(direction, input, output, original, nullptr); }))
        ++report.guardReports;
    return outcome;
}

} // namespace

ConversionRunReport RunConversionsOnInput(std::span<const std::uint8_t> input)
{
    const ScratchFolder& folder = Folder();
    const std::string library = folder.File("library.ico");
    const std::string inputStrip = folder.File("input.bmp");
    const std::string libraryStrip = folder.File("library.bmp");
    const std::string copy = folder.File("copy.ico");

    FuzzFiles files = SplitFuzzInput(input);
    WriteBytes(library, files.library);
    WriteBytes(inputStrip, files.strip);
    // Every input starts without outputs, so that it runs the same alone
    // and after any other input.
    std::filesystem::remove(libraryStrip);
    std::filesystem::remove(copy);

    ConversionRunReport report;
    YesAnsweringService service;
    report.toStrip = Guarded(report, 0, library, libraryStrip, "");
    report.fromInputStrip = Guarded(report, 1, inputStrip, copy, library);
    if (report.toStrip == ConversionOutcome::Written) {
        report.roundTripRan = true;
        report.roundTrip = Guarded(report, 1, libraryStrip, copy, library);
        report.roundTripExact = report.roundTrip == ConversionOutcome::Written && SameBytes(files.library, ReadBytes(copy));
    }
    report.messages = static_cast<int>(service.Texts().size());
    report.questions = service.QuestionsAnswered();
    return report;
}
