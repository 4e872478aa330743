#include "toolkit/UniqueHandle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Handles are small integers here; every release is recorded.
std::vector<int> released;

struct CountingTraits {
  using Handle = int;
  static Handle Empty() { return 0; }
  static void Close(Handle handle) { released.push_back(handle); }
};
using CountingHandle = toolkit::UniqueHandle<CountingTraits>;

class UniqueHandleTest : public ::testing::Test {
 protected:
  void SetUp() override { released.clear(); }
};

TEST_F(UniqueHandleTest, ReleasesExactlyOnceWhateverPathOwnershipTakes) {
  {
    CountingHandle first(7);
    CountingHandle second(std::move(first));
    EXPECT_FALSE(first);
    CountingHandle third;
    third = std::move(second);
    third = std::move(third);  // self-move keeps the handle
    EXPECT_EQ(third.Get(), 7);
  }
  EXPECT_EQ(released, std::vector<int>{7});
}

TEST_F(UniqueHandleTest, ResetReleasesTheOldHandleButNotTheSameOneAgain) {
  CountingHandle handle(3);
  handle.Reset(3);
  EXPECT_TRUE(released.empty());
  handle.Reset(4);
  EXPECT_EQ(released, std::vector<int>{3});
  EXPECT_EQ(handle.Release(), 4);
  handle.Reset();
  EXPECT_EQ(released, std::vector<int>{3});
}

TEST_F(UniqueHandleTest, MoveAssignmentReleasesTheTargetsHandle) {
  CountingHandle target(1);
  CountingHandle source(2);
  target = std::move(source);
  EXPECT_EQ(released, std::vector<int>{1});
  EXPECT_EQ(target.Get(), 2);
}

TEST(UniqueFile, FailedCreateFileCountsAsEmpty) {
  toolkit::UniqueFile file(::CreateFileW(L"Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(file);
}

TEST(UniqueGlobal, LockedMemoryIsUnlockedAtScopeEndAndFreedWithItsOwner) {
  HGLOBAL raw = nullptr;
  {
    toolkit::UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, 16));
    raw = memory.Get();
    {
      const toolkit::LockedGlobal locked(memory.Get());
      ASSERT_NE(locked.Get(), nullptr);
      EXPECT_GE(locked.Size(), 16U);
      EXPECT_EQ(::GlobalFlags(raw) & GMEM_LOCKCOUNT, 1U);
    }
    EXPECT_EQ(::GlobalFlags(raw) & GMEM_LOCKCOUNT, 0U);
  }
  EXPECT_EQ(::GlobalFlags(raw), GMEM_INVALID_HANDLE) << "freed";
}

TEST(UniqueEnhMetafile, TheMetafileIsDeletedWithItsOwner) {
  HENHMETAFILE raw = nullptr;
  {
    const toolkit::UniqueEnhMetafile picture(
        ::CloseEnhMetaFile(::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr)));
    raw = picture.Get();
    EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_ENHMETAFILE));
  }
  EXPECT_EQ(::GetObjectType(raw), 0U);
}

TEST(SelectedObject, PutsThePreviousObjectBack) {
  toolkit::UniqueDc dc(::CreateCompatibleDC(nullptr));
  toolkit::UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
  HGDIOBJ before = ::GetCurrentObject(dc.Get(), OBJ_PEN);
  {
    toolkit::SelectedObject selected(dc.Get(), pen.Get());
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_PEN), pen.Get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_PEN), before);
}

}  // namespace
