// Moveable global blocks, heap blocks and the allocation seam the tests use.
//
// A global block is reached through a handle; locking it gives its address,
// and GlobalHandle turns that address back into the handle, so that a block
// kept only by its address can still be unlocked and freed.
#pragma once

#include "win_types.h"

#include <cstddef>
#include <functional>
#include <memory>

using HGLOBAL = struct GlobalBlock*;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;

// Returns an empty handle when the request is refused.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
void* GlobalLock(HGLOBAL block);
// The handle of a locked block, from its address; empty for nullptr.
HGLOBAL GlobalHandle(const void* address);
BOOL GlobalUnlock(HGLOBAL block);
SIZE_T GlobalSize(HGLOBAL block);
// Returns an empty handle on success, as the block is gone.
HGLOBAL GlobalFree(HGLOBAL block);

// Allocates and locks in one step, the way every record is taken.
void* GlobalAllocLocked(SIZE_T bytes);
// Unlocks and frees a block from its address; nullptr passes through.
void GlobalReleaseLocked(void* address);

// Heap blocks: nullptr when refused, never raising.
void* HeapAllocate(SIZE_T bytes);
void HeapRelease(void* block);

// Heap block that raises CMemoryException when refused.
void* HeapAllocateOrThrow(SIZE_T bytes);

// Owns a heap block, so that every way out of a function releases it once.
struct HeapBlockDeleter {
    void operator()(unsigned char* block) const { HeapRelease(block); }
};
using HeapBlock = std::unique_ptr<unsigned char[], HeapBlockDeleter>;

namespace alloc_faults {

// Asked before every global and heap allocation above; returning true
// refuses it. Unset (the default) refuses nothing.
using Refuser = std::function<bool(SIZE_T bytes)>;
void SetRefuser(Refuser refuser);
bool Refuses(SIZE_T bytes);

// Refuses the nth allocation from now on (1 = the next one) and no other.
void FailNth(int nth);
// Refuses every allocation of at least `bytes`.
void FailAtLeast(SIZE_T bytes);
void Reset();

} // namespace alloc_faults
