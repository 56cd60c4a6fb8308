#include "memory.h"
#include "exceptions.h"

#include <cstdlib>
#include <memory>

// A global block is a small header followed by the caller's bytes; the
// header lets GlobalHandle find the block from the address it handed out.
struct GlobalBlock {
    static constexpr std::uint32_t kMagic = 0x474D454D; // "GMEM"
    std::uint32_t magic;
    std::uint32_t lockCount;
    SIZE_T size;
    alignas(std::max_align_t) unsigned char data[1];
};

namespace {

constexpr SIZE_T kHeaderBytes = offsetof(GlobalBlock, data);
// Far beyond anything the engine asks for; keeps the header arithmetic safe.
constexpr SIZE_T kLargestRequest = SIZE_T(1) << 40;

alloc_faults::Refuser& CurrentRefuser()
{
    static alloc_faults::Refuser refuser;
    return refuser;
}

} // namespace

namespace alloc_faults {

void SetRefuser(Refuser refuser) { CurrentRefuser() = std::move(refuser); }

bool Refuses(SIZE_T bytes)
{
    auto& refuser = CurrentRefuser();
    return refuser && refuser(bytes);
}

void FailNth(int nth)
{
    auto remaining = std::make_shared<int>(nth);
    SetRefuser([remaining](SIZE_T) { return --*remaining == 0; });
}

void FailAtLeast(SIZE_T bytes)
{
    SetRefuser([bytes](SIZE_T asked) { return asked >= bytes; });
}

void Reset() { SetRefuser(nullptr); }

} // namespace alloc_faults

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if (bytes > kLargestRequest || alloc_faults::Refuses(bytes))
        return nullptr;
    void* raw = (flags & GMEM_ZEROINIT) ? std::calloc(1, kHeaderBytes + bytes) : std::malloc(kHeaderBytes + bytes);
    if (raw == nullptr)
        return nullptr;
    auto* block = static_cast<GlobalBlock*>(raw);
    block->magic = GlobalBlock::kMagic;
    block->lockCount = 0;
    block->size = bytes;
    return block;
}

void* GlobalLock(HGLOBAL block)
{
    if (block == nullptr)
        return nullptr;
    ++block->lockCount;
    return block->data;
}

HGLOBAL GlobalHandle(const void* address)
{
    if (address == nullptr)
        return nullptr;
    auto* bytes = static_cast<const unsigned char*>(address) - kHeaderBytes;
    auto* block = reinterpret_cast<GlobalBlock*>(const_cast<unsigned char*>(bytes));
    return block->magic == GlobalBlock::kMagic ? block : nullptr;
}

BOOL GlobalUnlock(HGLOBAL block)
{
    if (block == nullptr || block->lockCount == 0)
        return FALSE;
    return --block->lockCount > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL block) { return block ? block->size : 0; }

HGLOBAL GlobalFree(HGLOBAL block)
{
    if (block != nullptr) {
        block->magic = 0;
        std::free(block);
    }
    return nullptr;
}

void* GlobalAllocLocked(SIZE_T bytes)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
    return GlobalLock(block);
}

void GlobalReleaseLocked(void* address)
{
    HGLOBAL block = GlobalHandle(address);
    if (block == nullptr)
        return;
    GlobalUnlock(block);
    GlobalFree(block);
}

void* HeapAllocate(SIZE_T bytes)
{
    if (bytes > kLargestRequest || alloc_faults::Refuses(bytes))
        return nullptr;
    return std::malloc(bytes == 0 ? 1 : bytes);
}

void HeapRelease(void* block) { std::free(block); }

void* HeapAllocateOrThrow(SIZE_T bytes)
{
    void* block = HeapAllocate(bytes);
    if (block == nullptr)
        throw CMemoryException();
    return block;
}
