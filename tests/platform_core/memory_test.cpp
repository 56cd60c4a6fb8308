// Global blocks found again from their address, and the allocation seam
// that lets tests refuse exactly the allocation they mean.
#include "platform/core/exceptions.h"
#include "platform/core/memory.h"

#include <gtest/gtest.h>

namespace {

TEST(GlobalMemoryTest, AddressLeadsBackToItsHandle)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 92);
    ASSERT_NE(block, nullptr);
    void* address = GlobalLock(block);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(GlobalHandle(address), block);
    EXPECT_EQ(GlobalSize(block), 92u);
    EXPECT_EQ(GlobalUnlock(block), FALSE); // that was the only lock
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(GlobalHandle(nullptr), nullptr);
    GlobalReleaseLocked(nullptr); // an empty reference passes through
}

TEST(GlobalMemoryTest, ImpossibleRequestGivesAnEmptyHandle)
{
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, SIZE_T(-1)), nullptr);
    EXPECT_EQ(GlobalAllocLocked(SIZE_T(-4)), nullptr);
    EXPECT_EQ(HeapAllocate(SIZE_T(-1)), nullptr);
}

TEST(AllocationFaultTest, FailNthRefusesOnlyThatOneAcrossBothKinds)
{
    alloc_faults::FailNth(3);
    void* first = GlobalAllocLocked(8);
    void* second = HeapAllocate(8);
    void* third = HeapAllocate(8);
    void* fourth = GlobalAllocLocked(8);
    alloc_faults::Reset();
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(third, nullptr);
    EXPECT_NE(fourth, nullptr);
    GlobalReleaseLocked(first);
    HeapRelease(second);
    GlobalReleaseLocked(fourth);
}

TEST(AllocationFaultTest, ThrowingAllocationRaisesMemoryException)
{
    alloc_faults::FailAtLeast(1000);
    EXPECT_THROW(HeapAllocateOrThrow(1000), CMemoryException);
    void* small = HeapAllocateOrThrow(999);
    alloc_faults::Reset();
    EXPECT_NE(small, nullptr);
    HeapRelease(small);
}

} // namespace
