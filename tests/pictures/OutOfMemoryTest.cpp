// Pixels that cannot be had: each case runs in a child process whose
// address space is limited to little more than it uses, so that the
// picture's allocation fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "support/AddressSpace.h"
#include "support/MadeFiles.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"

namespace {

// A 10000 x 10000 picture needs 100 million pixels; this leaves room for
// small allocations only.
constexpr rlim_t kHeadroom = rlim_t(64) << 20;

// A JPEG of 8 x 8 pixels whose frame header claims 10000 x 10000: the
// header and the first scan are sound, the rows are what cannot be had.
QByteArray HugeJpeg() {
  TJPEGImage jpeg;
  jpeg.Assign(TBitmap(8, 8));
  QByteArray bytes = jpeg.SaveToBytes();
  const qsizetype sof = bytes.indexOf("\xFF\xC0");
  for (const qsizetype at : {sof + 5, sof + 7}) bytes[at] = char(10000 >> 8), bytes[at + 1] = char(10000 & 0xFF);
  return bytes;
}

// What fails on a 3 x 4 bitmap of Format with one red pixel.
struct TOutOfMemoryCase {
  const char* Name;
  TPixelFormat Format;
  std::function<void(TBitmap&)> Fail;
};

const TOutOfMemoryCase kCases[] = {
    {"DisplayBitmap", pfDevice, [](TBitmap& b) { b.SetSize(10000, 10000); }},
    {"DeviceIndependentRows", pf24bit, [](TBitmap& b) { b.SetSize(10000, 10000); }},
    {"BmpRows", pfDevice, [](TBitmap& b) { b.LoadFromBytes(BmpBytes(10000, 10000, 24, QByteArray(12, '\x40'))); }},
    {"JpegRows", pfDevice,
     [](TBitmap& b) {
       TJPEGImage jpeg;
       jpeg.LoadFromBytes(HugeJpeg());
       jpeg.Draw(b.Canvas(), Rect(0, 0, 2, 2));
     }},
};

// In the child: the message on standard error, followed by " (changed)"
// when the bitmap did not keep its size, format and pixels.
void RunLimited(const TOutOfMemoryCase& c) {
  TBitmap bitmap(3, 4);
  bitmap.Canvas().SetPixel(1, 2, clRed);
  bitmap.SetPixelFormat(c.Format);
  if (!LimitAddressSpace(kHeadroom)) std::_Exit(2);
  try {
    c.Fail(bitmap);
  } catch (const Exception& error) {
    const bool kept = bitmap.Width() == 3 && bitmap.Height() == 4 && bitmap.PixelFormat() == c.Format &&
                      PixelIs(bitmap.Surface(), 1, 2, clRed) && PixelIs(bitmap.Surface(), 0, 0, clWhite);
    std::fprintf(stderr, "%s%s\n", error.what(), kept ? "" : " (changed)");
    std::_Exit(0);
  }
  std::_Exit(3);  // nothing failed
}

class OutOfMemory : public ::testing::TestWithParam<TOutOfMemoryCase> {};

TEST_P(OutOfMemory, IsTheEnginesErrorAndKeepsWhatWasThere) {
#ifdef VELLUMO_ASAN
  GTEST_SKIP() << "the sanitizers' allocator cannot run under an address-space limit";
#endif
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RunLimited(GetParam()), ::testing::ExitedWithCode(0), "Out of memory\n");
}

INSTANTIATE_TEST_SUITE_P(Allocations, OutOfMemory, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
