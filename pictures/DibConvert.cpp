#include "pictures/DibConvert.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace {

// One mask channel: where its bits lie and how many values it has.
struct TChannel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;

  explicit TChannel(uint32_t m) : mask(m) {
    if (mask == 0) return;
    while (((mask >> shift) & 1u) == 0) ++shift;
    max = mask >> shift;
  }
  uint32_t Decode(uint32_t pixel) const {
    if (max == 0) return 0;
    const uint64_t v = (pixel & mask) >> shift;
    return static_cast<uint32_t>((v * 255 + max / 2) / max);
  }
  uint32_t Encode(uint32_t level) const {
    if (max == 0) return 0;
    return static_cast<uint32_t>((static_cast<uint64_t>(level) * max + 127) / 255) << shift & mask;
  }
};

struct TMaskCodec {
  TChannel r, g, b;
  explicit TMaskCodec(const TColorMasks& m) : r(m.Red), g(m.Green), b(m.Blue) {}
  QRgb Decode(uint32_t v) const { return qRgb(r.Decode(v), g.Decode(v), b.Decode(v)); }
  uint32_t Encode(QRgb p) const { return r.Encode(qRed(p)) | g.Encode(qGreen(p)) | b.Encode(qBlue(p)); }
};

uint32_t ReadLE(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  return v;
}

void WriteLE(uint8_t* p, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void IndexedToSurface(const TDib& dib, TSurface& surface) {
  std::array<QRgb, 256> lut;
  lut.fill(qRgb(0, 0, 0));
  std::copy_n(dib.ColorTable.begin(), std::min<size_t>(dib.ColorTable.size(), 256), lut.begin());
  const int bits = dib.BitCount;
  const int perByte = 8 / bits;
  const uint32_t valueMask = (1u << bits) - 1;
  for (int32_t y = 0; y < dib.Height; ++y) {
    const uint8_t* src = dib.Row(y);
    QRgb* dst = surface.Row(y);
    if (bits == 8) {
      for (int32_t x = 0; x < dib.Width; ++x) dst[x] = lut[src[x]];
      continue;
    }
    for (int32_t x = 0; x < dib.Width; ++x) {
      const int shift = 8 - bits * (x % perByte + 1);
      dst[x] = lut[(src[x / perByte] >> shift) & valueMask];
    }
  }
}

void MaskedToSurface(const TDib& dib, TSurface& surface) {
  const TColorMasks masks = dib.EffectiveMasks();
  const TMaskCodec codec(masks);
  if (dib.BitCount == 16) {
    // Every 16-bit value decoded once.
    std::vector<QRgb> lut(65536);
    for (uint32_t v = 0; v < 65536; ++v) lut[v] = codec.Decode(v);
    for (int32_t y = 0; y < dib.Height; ++y) {
      const uint8_t* src = dib.Row(y);
      QRgb* dst = surface.Row(y);
      for (int32_t x = 0; x < dib.Width; ++x) dst[x] = lut[src[2 * x] | src[2 * x + 1] << 8];
    }
    return;
  }
  const bool plain = masks == PlainMasks(32);
  for (int32_t y = 0; y < dib.Height; ++y) {
    const uint8_t* src = dib.Row(y);
    QRgb* dst = surface.Row(y);
    for (int32_t x = 0; x < dib.Width; ++x) {
      const uint32_t v = ReadLE(src + 4 * x, 4);
      dst[x] = plain ? (v | 0xFF000000u) : codec.Decode(v);
    }
  }
}

void RgbToSurface(const TDib& dib, TSurface& surface) {
  for (int32_t y = 0; y < dib.Height; ++y) {
    const uint8_t* src = dib.Row(y);
    QRgb* dst = surface.Row(y);
    for (int32_t x = 0; x < dib.Width; ++x, src += 3) dst[x] = qRgb(src[2], src[1], src[0]);
  }
}

// Nearest-colour lookups, remembered per pixel value.
class TIndexMapper {
 public:
  explicit TIndexMapper(const std::vector<QRgb>& table) : table_(table) {}
  uint8_t operator()(QRgb pixel) {
    pixel |= 0xFF000000u;
    const auto found = cache_.find(pixel);
    if (found != cache_.end()) return found->second;
    const uint8_t index = NearestColorIndex(table_, pixel);
    cache_.emplace(pixel, index);
    return index;
  }

 private:
  const std::vector<QRgb>& table_;
  std::unordered_map<QRgb, uint8_t> cache_;
};

void SurfaceToIndexed(const TSurface& surface, TDib& dib) {
  TIndexMapper map(dib.ColorTable);
  const int bits = dib.BitCount;
  const int perByte = 8 / bits;
  for (int32_t y = 0; y < dib.Height; ++y) {
    const QRgb* src = surface.Row(y);
    uint8_t* dst = dib.Row(y);
    for (int32_t x = 0; x < dib.Width; ++x) {
      const int shift = 8 - bits * (x % perByte + 1);
      dst[x / perByte] |= static_cast<uint8_t>(map(src[x]) << shift);
    }
  }
}

void SurfaceToMasked(const TSurface& surface, TDib& dib) {
  const TMaskCodec codec(dib.EffectiveMasks());
  const int bytes = dib.BitCount / 8;
  for (int32_t y = 0; y < dib.Height; ++y) {
    const QRgb* src = surface.Row(y);
    uint8_t* dst = dib.Row(y);
    for (int32_t x = 0; x < dib.Width; ++x) WriteLE(dst + bytes * x, codec.Encode(src[x]), bytes);
  }
}

void SurfaceToRgb(const TSurface& surface, TDib& dib) {
  for (int32_t y = 0; y < dib.Height; ++y) {
    const QRgb* src = surface.Row(y);
    uint8_t* dst = dib.Row(y);
    for (int32_t x = 0; x < dib.Width; ++x, dst += 3) {
      dst[0] = static_cast<uint8_t>(qBlue(src[x]));
      dst[1] = static_cast<uint8_t>(qGreen(src[x]));
      dst[2] = static_cast<uint8_t>(qRed(src[x]));
    }
  }
}

}  // namespace

void DibToSurface(const TDib& dib, TSurface& surface) {
  // Every pixel is written below.
  surface = TSurface::Uncleared(dib.Width, dib.Height);
  if (surface.IsNull()) return;
  if (dib.Indexed()) IndexedToSurface(dib, surface);
  else if (dib.BitCount == 24) RgbToSurface(dib, surface);
  else MaskedToSurface(dib, surface);
}

void SurfaceToDib(const TSurface& surface, TDib& dib) {
  dib.Allocate(surface.Width(), surface.Height());
  if (dib.Bits.isEmpty()) return;
  if (dib.Indexed()) SurfaceToIndexed(surface, dib);
  else if (dib.BitCount == 24) SurfaceToRgb(surface, dib);
  else SurfaceToMasked(surface, dib);
}

uint8_t NearestColorIndex(const std::vector<QRgb>& table, QRgb pixel) {
  size_t best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < table.size() && bestDistance != 0; ++i) {
    const int dr = qRed(table[i]) - qRed(pixel);
    const int dg = qGreen(table[i]) - qGreen(pixel);
    const int db = qBlue(table[i]) - qBlue(pixel);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return static_cast<uint8_t>(best);
}
