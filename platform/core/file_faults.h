// Test seam for the file layer: lets a test make writes store fewer bytes
// than asked, as a full disk does, without filling a real disk.
#pragma once

#include <cstddef>
#include <functional>

namespace file_faults {

// Called before each write with the number of bytes asked; returns how many
// may be stored. Unset (the default) stores everything.
using WriteLimiter = std::function<std::size_t(std::size_t requested)>;

void SetWriteLimiter(WriteLimiter limiter);
std::size_t AllowedWrite(std::size_t requested);

} // namespace file_faults
