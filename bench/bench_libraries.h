// The libraries the benchmarks convert, built with the tests' library
// builder: one of a realistic size and two large ones.
#pragma once

#include "tests/support/library_builder.h"

#include <string>
#include <vector>

struct BenchLibrary {
    std::string name;
    LibraryImage image;
};

// "realistic-200": 200 icons, 32x32 and 48x48 in turn, each with a grid of
//   its own size and one of eight colour tables.
// "many-2000": the same mix, 2000 icons.
// "big-1024": four icons of 1024x1024 with grids.
std::vector<BenchLibrary> MakeBenchLibraries();
