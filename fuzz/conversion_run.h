// One fuzz input through the Go command, the way a user would meet it:
// the library converted to a strip, the input's strip converted back into
// a copy of the library, and, when the first step wrote a strip, that
// strip converted back too, over the existing copy (answered Yes). Each
// step runs under the exception guard, as the front ends run it.
#pragma once

#include "library/icon_library_file.h"

#include <cstddef>
#include <cstdint>
#include <span>

struct ConversionRunReport {
    ConversionOutcome toStrip = ConversionOutcome::Failed;
    ConversionOutcome fromInputStrip = ConversionOutcome::Failed;
    // The library's own strip converted back; only run when toStrip wrote one.
    bool roundTripRan = false;
    ConversionOutcome roundTrip = ConversionOutcome::Failed;
    // A library's unchanged strip must give back the library byte for byte.
    bool roundTripExact = false;
    // Steps that ended in a file or memory exception reported by the guard.
    int guardReports = 0;
    int messages = 0;
    int questions = 0;
};

ConversionRunReport RunConversionsOnInput(std::span<const std::uint8_t> input);
