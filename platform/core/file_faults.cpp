#include "file_faults.h"

#include <algorithm>

namespace file_faults {

namespace {
WriteLimiter& Limiter()
{
    static WriteLimiter limiter;
    return limiter;
}
SeekRefuser& SeekFault()
{
    static SeekRefuser refuser;
    return refuser;
}
} // namespace

void SetSeekRefuser(SeekRefuser refuser) { SeekFault() = std::move(refuser); }

bool RefusesSeek(long long position)
{
    auto& refuser = SeekFault();
    return refuser && refuser(position);
}

void SetWriteLimiter(WriteLimiter limiter) { Limiter() = std::move(limiter); }

std::size_t AllowedWrite(std::size_t requested)
{
    auto& limiter = Limiter();
    return limiter ? std::min(requested, limiter(requested)) : requested;
}

} // namespace file_faults
