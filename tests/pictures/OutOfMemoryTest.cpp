// Pixels that cannot be had: each case runs in a child process whose
// address space is limited to little more than it uses, so that the
// picture's allocation fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "pictures/Bitmap.h"
#include "pictures/Jpeg.h"
#include "support/AddressSpace.h"
#include "support/PixelAssert.h"
#include "toolkit/Exceptions.h"

namespace {

// A 10000 x 10000 picture needs 100 million pixels; this leaves room for
// small allocations only.
constexpr rlim_t kHeadroom = rlim_t(64) << 20;

// A BMP that asks for 10000 x 10000 pixels at 24 bits and holds 12 bytes
// of them.
QByteArray HugeBmp() {
  QByteArray file("BM");
  auto put = [&](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) file.append(static_cast<char>(v >> (8 * i)));
  };
  put(0, 4), put(0, 4), put(54, 4);
  put(40, 4), put(10000, 4), put(10000, 4), put(1, 2), put(24, 2), put(0, 4), put(0, 4), put(0, 8), put(0, 4), put(0, 4);
  return file + QByteArray(12, '\x40');
}

// A JPEG of 8 x 8 pixels whose frame header claims 10000 x 10000: the
// header and the first scan are sound, the rows are what cannot be had.
QByteArray HugeJpeg() {
  TBitmap small(8, 8);
  TJPEGImage jpeg;
  jpeg.Assign(small);
  QByteArray bytes = jpeg.SaveToBytes();
  const qsizetype sof = bytes.indexOf("\xFF\xC0");
  for (const qsizetype at : {sof + 5, sof + 7}) {
    bytes[at] = static_cast<char>(10000 >> 8);
    bytes[at + 1] = static_cast<char>(10000 & 0xFF);
  }
  return bytes;
}

// What a failing allocation leaves: a message on standard error, followed
// by " (changed)" when the object did not keep its previous state.
void Report(const Exception& error, bool kept) {
  std::fprintf(stderr, "%s%s\n", error.what(), kept ? "" : " (changed)");
  std::_Exit(0);
}

// Runs Fail on a 3 x 4 bitmap of Format with one red pixel; it must keep
// its size, format and pixels.
void OnBitmap(TPixelFormat format, const std::function<void(TBitmap&)>& fail) {
  TBitmap bitmap(3, 4);
  bitmap.Canvas().SetPixel(1, 2, clRed);
  bitmap.SetPixelFormat(format);
  try {
    fail(bitmap);
  } catch (const Exception& error) {
    Report(error, bitmap.Width() == 3 && bitmap.Height() == 4 && bitmap.PixelFormat() == format &&
                      PixelIs(bitmap.Surface(), 1, 2, clRed) && PixelIs(bitmap.Surface(), 0, 0, clWhite));
  }
}

struct TOutOfMemoryCase {
  const char* Name;
  std::function<void()> Run;
};

const TOutOfMemoryCase kCases[] = {
    {"DisplayBitmap", [] { OnBitmap(pfDevice, [](TBitmap& b) { b.SetSize(10000, 10000); }); }},
    {"DeviceIndependentRows", [] { OnBitmap(pf24bit, [](TBitmap& b) { b.SetSize(10000, 10000); }); }},
    {"BmpRows", [] { OnBitmap(pfDevice, [](TBitmap& b) { b.LoadFromBytes(HugeBmp()); }); }},
    {"JpegRows",
     [] {
       TJPEGImage jpeg;
       jpeg.LoadFromBytes(HugeJpeg());
       TBitmap target(2, 2);
       try {
         jpeg.Draw(target.Canvas(), Rect(0, 0, 2, 2));
       } catch (const Exception& error) {
         Report(error, PixelIs(target.Surface(), 1, 1, clWhite));
       }
     }},
};

// In the child: limits the address space, then runs Case, which ends the
// process with its report.
void RunLimited(const TOutOfMemoryCase& c) {
  if (!LimitAddressSpace(kHeadroom)) std::_Exit(2);
  c.Run();
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
