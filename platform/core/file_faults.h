// Test seams for the file layer: let a test make writes store fewer bytes
// than asked, as a full disk does, or make a seek fail, without a damaged
// disk or a file of gigabytes.
#pragma once

#include <cstddef>
#include <functional>

namespace file_faults {

// Called before each write with the number of bytes asked; returns how many
// may be stored. Unset (the default) stores everything.
using WriteLimiter = std::function<std::size_t(std::size_t requested)>;

void SetWriteLimiter(WriteLimiter limiter);
std::size_t AllowedWrite(std::size_t requested);

// Called before each seek with the position it would reach (from the start
// of the file); returning true makes the seek fail. Unset refuses nothing.
using SeekRefuser = std::function<bool(long long position)>;

void SetSeekRefuser(SeekRefuser refuser);
bool RefusesSeek(long long position);

} // namespace file_faults
