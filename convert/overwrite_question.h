// The question asked before an existing output file is replaced.
#pragma once

// The conversions' own helpers, kept apart from the names of other layers.
namespace conversion {

// Returns false when `outputName` exists and the user declines to replace
// it. A file that exists but cannot be opened for reading counts as absent.
bool MayWriteOutput(const char* outputName);

} // namespace conversion
