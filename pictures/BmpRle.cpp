#include "pictures/BmpRle.h"

#include <algorithm>
#include <array>

namespace {

// The drawing position of the expansion, clipped to the picture.
class TRlePen {
 public:
  TRlePen(TSurface& surface, const std::vector<QRgb>& colors) : surface_(surface) {
    lut_.fill(qRgb(0, 0, 0));
    std::copy_n(colors.begin(), std::min<size_t>(colors.size(), lut_.size()), lut_.begin());
  }
  bool Done() const { return y_ >= surface_.Height(); }
  void Put(uint8_t index) {
    if (x_ < surface_.Width() && !Done()) surface_.Row(surface_.Height() - 1 - static_cast<int32_t>(y_))[x_] = lut_[index];
    ++x_;
  }
  void EndOfLine() {
    x_ = 0;
    ++y_;
  }
  void Move(uint8_t dx, uint8_t dy) {
    x_ += dx;
    y_ += dy;
  }

 private:
  TSurface& surface_;
  std::array<QRgb, 256> lut_;
  int64_t x_ = 0;  // 64 bits: deltas may push far past the row
  int64_t y_ = 0;
};

uint8_t Nibble(uint8_t byte, size_t i) { return i % 2 == 0 ? byte >> 4 : byte & 0x0F; }

}  // namespace

void ExpandRle(TByteCursor& cursor, bool rle4, const std::vector<QRgb>& colors, TSurface& surface) {
  TRlePen pen(surface, colors);
  while (!pen.Done() && cursor.Has(2)) {
    const uint8_t count = cursor.U8();
    const uint8_t code = cursor.U8();
    if (count > 0) {
      for (size_t i = 0; i < count; ++i) pen.Put(rle4 ? Nibble(code, i) : code);
      continue;
    }
    if (code == 0) {
      pen.EndOfLine();
    } else if (code == 1) {
      return;
    } else if (code == 2) {
      if (!cursor.Has(2)) return;
      const uint8_t dx = cursor.U8();
      pen.Move(dx, cursor.U8());
    } else {
      // Absolute run: Code pixels, padded to a 16-bit boundary.
      const size_t bytes = rle4 ? (code + 1u) / 2 : code;
      const size_t available = std::min(bytes, cursor.Remaining());
      const uint8_t* data = cursor.Take(available);
      const size_t pixels = rle4 ? std::min<size_t>(code, available * 2) : available;
      for (size_t i = 0; i < pixels; ++i) pen.Put(rle4 ? Nibble(data[i / 2], i) : data[i]);
      if (available < bytes) return;
      if (bytes % 2 != 0 && cursor.Has(1)) cursor.Skip(1);
    }
  }
}
