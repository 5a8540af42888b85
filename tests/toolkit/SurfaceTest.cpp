// Surfaces and the memory under their pixels: large surfaces live on
// memory of their own making and must behave as small ones do.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "support/PixelAssert.h"
#include "toolkit/PixelMemory.h"
#include "toolkit/Surface.h"

namespace {

constexpr int kLargeSide = 1100;  // 1100 x 1100 x 4 bytes: above the large-memory size
static_assert(size_t(kLargeSide) * kLargeSide * 4 > kLargePixelMemory);

void Paint(TSurface& surface, uint32_t seed) {
  for (int32_t y = 0; y < surface.Height(); ++y)
    for (int32_t x = 0; x < surface.Width(); ++x) surface.SetPixel(x, y, 0xFF000000u | ((x * 7919u + y * 104729u + seed) & 0xFFFFFF));
}

class SurfaceSizes : public ::testing::TestWithParam<int> {};

TEST_P(SurfaceSizes, NewPixelsAreWhiteAndResizingKeepsTheRest) {
  const int side = GetParam();
  TSurface surface(side, side);
  EXPECT_TRUE(SameSurface(surface, FilledSurface(side, side, clWhite)));
  Paint(surface, 1);
  TSurface painted(side, side);
  Paint(painted, 1);
  surface.SetSize(side + 3, side - 2);
  ASSERT_EQ(surface.Width(), side + 3);
  ASSERT_EQ(surface.Height(), side - 2);
  EXPECT_TRUE(SameArea(surface, painted, {0, 0, side, side - 2}));
  EXPECT_TRUE(SameArea(surface, FilledSurface(side + 3, side - 2, clWhite), {side, 0, side + 3, side - 2}));
  EXPECT_EQ(surface.Pixel(side + 2, 0), kWhitePixel);
}

TEST_P(SurfaceSizes, CopiesShareUntilOneSideWrites) {
  const int side = GetParam();
  TSurface original(side, side);
  Paint(original, 2);
  TSurface shared = original;
  TSurface own = original.Copy();
  EXPECT_TRUE(SameSurface(own, original));
  shared.SetPixel(5, 6, kBlackPixel);
  own.SetPixel(7, 8, kBlackPixel);
  TSurface expected(side, side);
  Paint(expected, 2);
  EXPECT_TRUE(SameSurface(original, expected));
  EXPECT_EQ(shared.Pixel(5, 6), kBlackPixel);
  EXPECT_EQ(own.Pixel(7, 8), kBlackPixel);
  EXPECT_NE(own.Pixel(5, 6), kBlackPixel);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, SurfaceSizes, ::testing::Values(9, kLargeSide));

TEST(Surface, CopyKeepsTheMonochromeMark) {
  TSurface mask(3, 2);
  mask.SetMonochrome(true);
  const TSurface copy = mask.Copy();
  EXPECT_TRUE(copy.Monochrome());
  EXPECT_TRUE(SameSurface(copy, mask));
}

TEST(Surface, UnclearedAndCopiedSurfacesMayHaveASideOfZero) {
  const TSurface uncleared = TSurface::Uncleared(0, 7);
  EXPECT_TRUE(uncleared.IsNull());
  EXPECT_EQ(uncleared.Width(), 0);
  EXPECT_EQ(uncleared.Height(), 7);
  const TSurface copy = TSurface(5, 0).Copy();
  EXPECT_TRUE(copy.IsNull());
  EXPECT_EQ(copy.Width(), 5);
  const TSurface large = TSurface::Uncleared(kLargeSide, kLargeSide);
  EXPECT_FALSE(large.IsNull());
  EXPECT_EQ(large.Image().bytesPerLine(), kLargeSide * 4);
}

TEST(PixelMemory, LargeBuffersStartOnAHugePageBoundary) {
  for (const size_t bytes : {kLargePixelMemory, 3 * kLargePixelMemory + 12345}) {
    std::unique_ptr<uint8_t, void (*)(void*)> memory(AllocateLargePixelMemory(bytes), FreeLargePixelMemory);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(memory.get()) % kLargePixelMemory, 0u);
    std::memset(memory.get(), 0xAB, bytes);  // all of it is ours to write
    EXPECT_EQ(memory.get()[bytes - 1], 0xAB);
  }
}

TEST(PixelMemory, PreparingLeavesTheContentsAlone) {
  // A heap buffer at no particular alignment, and its neighbours.
  std::vector<uint8_t> buffer(3 * kLargePixelMemory + 777);
  for (size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<uint8_t>(i * 31 + 7);
  PreparePixelMemory(buffer.data() + 100, buffer.size() - 200);
  for (size_t i = 0; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], static_cast<uint8_t>(i * 31 + 7)) << i;
}

}  // namespace
