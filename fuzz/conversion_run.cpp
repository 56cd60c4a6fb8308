#include "fuzz/conversion_run.h"

#include "fuzz/fuzz_input.h"
#include "fuzz/yes_answering_service.h"

#include "convert/run_conversion.h"
#include "platform/core/exception_guard.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

// In shared memory when the machine has it, so that millions of runs cost
// no disk; else in the system's temporary folder.
std::filesystem::path BaseFolder()
{
    const char* shared = "/dev/shm";
    if (::access(shared, W_OK | X_OK) == 0)
        return shared;
    return std::filesystem::temp_directory_path();
}

// One folder for the whole process: a fuzz run makes millions of inputs.
const TempDir& Folder()
{
    static const TempDir folder(BaseFolder());
    return folder;
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
    const TempDir& folder = Folder();
    const std::string library = folder.File("library.ico");
    const std::string inputStrip = folder.File("input.bmp");
    const std::string libraryStrip = folder.File("library.bmp");
    const std::string copy = folder.File("copy.ico");

    FuzzFiles files = SplitFuzzInput(input);
    WriteFileBytes(library, files.library);
    WriteFileBytes(inputStrip, files.strip);
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
        report.roundTripExact = report.roundTrip == ConversionOutcome::Written && SameBytes(files.library, ReadFileBytes(copy));
    }
    report.messages = static_cast<int>(service.Texts().size());
    report.questions = service.QuestionsAnswered();
    return report;
}
