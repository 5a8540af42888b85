// The caption patched into a JPEG's own coefficients: what changes, what
// stays exactly, and how close the changed pixels come to encoding anew.
#include <gtest/gtest.h>

#include <QByteArray>
#include <array>
#include <cstdlib>
#include <random>
#include <vector>

#include "pictures/Bitmap.h"
#include "pictures/ExifThumbnail.h"
#include "pictures/JpegCodec.h"
#include "pictures/JpegErrors.h"
#include "pictures/JpegPatch.h"
#include "toolkit/Exceptions.h"

namespace {

// How a test JPEG is made.
struct TMaking {
  int Width = 203;
  int Height = 117;
  int H = 2;  // the luminance's sampling factors; the chroma's are 1
  int V = 2;
  unsigned Restart = 0;
  bool Arithmetic = false;
  bool Progressive = false;
  J_COLOR_SPACE Space = JCS_YCbCr;
  std::vector<std::pair<int, QByteArray>> Markers;
};

// Photo-like pixels: smooth gradients under noise.
TSurface Photo(int width, int height) {
  TSurface photo(width, height);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> noise(-24, 24);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto channel = [&](int base) { return std::clamp(base + noise(random), 0, 255); };
      photo.SetPixel(x, y, qRgb(channel(x * 255 / width), channel(y * 255 / height), channel(128 + (x - y) / 4)));
    }
  return photo;
}

struct TEncoder {
  TJpegErrorManager error{};
  jpeg_compress_struct cinfo{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  ~TEncoder() { std::free(buffer); }
};

int RunMake(TEncoder& e, const TMaking& m, TSurface& pixels) {
  jpeg_compress_struct& c = e.cinfo;
  if (setjmp(e.error.jump)) {
    jpeg_destroy_compress(&c);
    return 1;
  }
  jpeg_create_compress(&c);
  jpeg_mem_dest(&c, &e.buffer, &e.size);
  c.image_width = JDIMENSION(m.Width);
  c.image_height = JDIMENSION(m.Height);
  c.input_components = 4;
  c.in_color_space = JCS_EXT_BGRX;
  // Four-component pictures take the pixels' four bytes as their inks.
  const bool inks = m.Space == JCS_CMYK || m.Space == JCS_YCCK;
  if (inks) c.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&c);
  if (m.Space != JCS_YCbCr && !inks) jpeg_set_colorspace(&c, m.Space);
  if (m.Space == JCS_YCCK) jpeg_set_colorspace(&c, JCS_YCCK);
  jpeg_set_quality(&c, 92, TRUE);
  c.comp_info[0].h_samp_factor = m.H;
  c.comp_info[0].v_samp_factor = m.V;
  c.restart_interval = m.Restart;
  c.arith_code = m.Arithmetic ? TRUE : FALSE;
  if (m.Progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  for (const auto& [code, body] : m.Markers)
    jpeg_write_marker(&c, code, reinterpret_cast<const JOCTET*>(body.constData()), unsigned(body.size()));
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels.Row(int(c.next_scanline)));
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return 0;
}

QByteArray MakeJpeg(const TMaking& m) {
  TSurface pixels = Photo(m.Width, m.Height);
  TEncoder e;
  InstallJpegErrors(*reinterpret_cast<jpeg_common_struct*>(&e.cinfo), e.error);
  EXPECT_EQ(RunMake(e, m, pixels), 0);
  return QByteArray(reinterpret_cast<const char*>(e.buffer), qsizetype(e.size));
}

// A JPEG as its coefficients and what its header says.
struct TCoefficients {
  struct TComponent {
    int H = 0, V = 0, Across = 0, Down = 0;
    std::array<UINT16, DCTSIZE2> Quant{};
    std::vector<JCOEF> Blocks;  // Across x Down blocks of 64
    const JCOEF* Block(int bx, int by) const { return &Blocks[size_t((by * Across + bx) * DCTSIZE2)]; }
  };
  int Width = 0, Height = 0, MaxH = 0, MaxV = 0;
  unsigned Restart = 0;
  bool Progressive = false, Arithmetic = false, Jfif = false;
  std::vector<TComponent> Components;
  std::vector<std::pair<int, QByteArray>> Markers;
};

struct TDecoder {
  TJpegErrorManager error{};
  jpeg_decompress_struct cinfo{};
};

int RunRead(TDecoder& d, const QByteArray& bytes, TCoefficients& out) {
  jpeg_decompress_struct& c = d.cinfo;
  if (setjmp(d.error.jump)) {
    jpeg_destroy_decompress(&c);
    return 1;
  }
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
  for (int m = 0; m < 16; ++m) jpeg_save_markers(&c, JPEG_APP0 + m, 0xFFFF);
  jpeg_save_markers(&c, JPEG_COM, 0xFFFF);
  jpeg_read_header(&c, TRUE);
  jvirt_barray_ptr* arrays = jpeg_read_coefficients(&c);
  out.Width = int(c.image_width), out.Height = int(c.image_height);
  out.MaxH = c.max_h_samp_factor, out.MaxV = c.max_v_samp_factor;
  out.Restart = c.restart_interval;
  out.Progressive = c.progressive_mode, out.Arithmetic = c.arith_code, out.Jfif = c.saw_JFIF_marker;
  for (int ci = 0; ci < c.num_components; ++ci) {
    const jpeg_component_info& comp = c.comp_info[ci];
    TCoefficients::TComponent& o = out.Components.emplace_back();
    o.H = comp.h_samp_factor, o.V = comp.v_samp_factor;
    o.Across = int(comp.width_in_blocks), o.Down = int(comp.height_in_blocks);
    std::copy(comp.quant_table->quantval, comp.quant_table->quantval + DCTSIZE2, o.Quant.begin());
    for (int by = 0; by < o.Down; ++by) {
      JBLOCKROW row =
          c.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&c), arrays[ci], JDIMENSION(by), 1, FALSE)[0];
      for (int bx = 0; bx < o.Across; ++bx) o.Blocks.insert(o.Blocks.end(), row[bx], row[bx] + DCTSIZE2);
    }
  }
  for (jpeg_saved_marker_ptr m = c.marker_list; m; m = m->next)
    out.Markers.emplace_back(m->marker, QByteArray(reinterpret_cast<const char*>(m->data), qsizetype(m->data_length)));
  jpeg_destroy_decompress(&c);
  return 0;
}

TCoefficients ReadCoefficients(const QByteArray& bytes) {
  TCoefficients out;
  TDecoder d;
  InstallJpegErrors(*reinterpret_cast<jpeg_common_struct*>(&d.cinfo), d.error);
  EXPECT_EQ(RunRead(d, bytes, out), 0);
  return out;
}

// What the caption stands for here: hard-edged white and black stripes,
// laid by picture coordinates.
QRgb Stripe(int x, int y) { return (x / 3 + y / 5) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0); }

void PaintStripes(TSurface& pixels, TPoint origin, const TRect& area) {
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x)
      if (area.Contains({origin.X + x, origin.Y + y})) pixels.SetPixel(x, y, Stripe(origin.X + x, origin.Y + y));
}

// The whole-picture way: decode, paint, encode at quality 90, decode.
TSurface FullPath(const QByteArray& source, const TRect& area) {
  TSurface pixels = DecodeJpegToSurface(source, JPEGDefaults(), {});
  PaintStripes(pixels, {}, area);
  const QByteArray encoded = EncodeJpeg(TBitmap(pixels), JPEGDefaults(), {});
  return DecodeJpegToSurface(encoded, JPEGDefaults(), {});
}

// The mean difference of the channels of two surfaces inside Area.
double MeanDifference(const TSurface& a, const TSurface& b, const TRect& area) {
  int64_t sum = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      for (int shift : {0, 8, 16})
        sum += std::abs(int((a.Pixel(x, y) >> shift) & 0xFF) - int((b.Pixel(x, y) >> shift) & 0xFF));
  return double(sum) / (3.0 * area.Width() * area.Height());
}

struct TPatchCase {
  const char* Name;
  TMaking Making;
  TRect Area;
};

void PrintTo(const TPatchCase& c, std::ostream* out) { *out << c.Name; }

class JpegPatch : public ::testing::TestWithParam<TPatchCase> {};

TEST_P(JpegPatch, OnlyTheTouchedMcusChange) {
  const TPatchCase& p = GetParam();
  const QByteArray source = MakeJpeg(p.Making);
  const TSurface decoded = DecodeJpegToSurface(source, JPEGDefaults(), {});
  const TRect area = p.Area.Intersect({0, 0, p.Making.Width, p.Making.Height});
  const int mcuW = 8 * p.Making.H, mcuH = 8 * p.Making.V;
  // The touched MCUs, in pixels.
  const TRect touched = TRect{area.Left / mcuW * mcuW, area.Top / mcuH * mcuH, (area.Right + mcuW - 1) / mcuW * mcuW,
                              (area.Bottom + mcuH - 1) / mcuH * mcuH}
                            .Intersect({0, 0, p.Making.Width, p.Making.Height});
  bool painted = false;
  TJpegPatcher patcher(source);
  ASSERT_EQ(patcher.Refusal(), jpNone);
  const QByteArray patchedJpeg = patcher.Patch(p.Area, [&](TSurface& pixels, TPoint origin) {
    painted = true;
    EXPECT_EQ(origin.X % mcuW, 0);
    EXPECT_EQ(origin.Y % mcuH, 0);
    // The part's pixels in the touched MCUs are those of the whole decoding.
    for (int y = touched.Top; y < touched.Bottom; ++y)
      for (int x = touched.Left; x < touched.Right; ++x)
        ASSERT_EQ(pixels.Pixel(x - origin.X, y - origin.Y), decoded.Pixel(x, y)) << x << "," << y;
    PaintStripes(pixels, origin, area);
  });
  EXPECT_EQ(painted, !area.IsEmpty());

  const TCoefficients before = ReadCoefficients(source);
  const TCoefficients after = ReadCoefficients(patchedJpeg);
  ASSERT_EQ(after.Components.size(), 3u);
  EXPECT_EQ(after.Width, p.Making.Width);
  EXPECT_EQ(after.Restart, p.Making.Restart);
  EXPECT_FALSE(after.Progressive);
  EXPECT_FALSE(after.Arithmetic);
  int differing = 0;
  for (size_t ci = 0; ci < 3; ++ci) {
    const auto& b = before.Components[ci];
    const auto& a = after.Components[ci];
    ASSERT_EQ(a.H, b.H);
    ASSERT_EQ(a.V, b.V);
    EXPECT_EQ(a.Quant, b.Quant);
    for (int by = 0; by < b.Down; ++by)
      for (int bx = 0; bx < b.Across; ++bx) {
        // The block's MCU, in pixels.
        const TPoint mcu{bx / b.H * mcuW, by / b.V * mcuH};
        const bool same = std::equal(a.Block(bx, by), a.Block(bx, by) + DCTSIZE2, b.Block(bx, by));
        if (!touched.Contains(mcu)) {
          ASSERT_TRUE(same) << "component " << ci << " block " << bx << "," << by;
        } else if (!same) {
          ++differing;
        }
      }
  }
  EXPECT_EQ(differing > 0, !area.IsEmpty());

  // Decoded: beyond one MCU round the touched ones the pixels are the
  // source's; inside the area, within the round trip of encoding anew.
  const TSurface result = DecodeJpegToSurface(patchedJpeg, JPEGDefaults(), {});
  const TRect near{touched.Left - mcuW, touched.Top - mcuH, touched.Right + mcuW, touched.Bottom + mcuH};
  for (int y = 0; y < result.Height(); ++y)
    for (int x = 0; x < result.Width(); ++x)
      if (touched.IsEmpty() || !near.Contains({x, y})) {
        ASSERT_EQ(result.Pixel(x, y), decoded.Pixel(x, y)) << x << "," << y;
      }
  if (area.IsEmpty()) return;
  // Against the painted pixels before any encoding, the patch is at least
  // as close as the whole picture encoded anew (at quality 90, 4:2:0).
  TSurface ideal = decoded;
  PaintStripes(ideal, {}, area);
  const TSurface full = FullPath(source, area);
  const double patched = MeanDifference(result, ideal, area);
  const double anew = MeanDifference(full, ideal, area);
  EXPECT_LE(patched, anew * 1.1 + 0.5) << "encoded anew: " << anew;
  // And the two are a round trip's error apart.
  EXPECT_LT(MeanDifference(result, full, area), 4.0);
}

TMaking Sampled(int h, int v) {
  TMaking m;
  m.H = h;
  m.V = v;
  return m;
}
TMaking WithRestarts() {
  TMaking m;
  m.Restart = 3;
  return m;
}
TMaking Arithmetic() {
  TMaking m;
  m.Arithmetic = true;
  return m;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JpegPatch,
    ::testing::Values(TPatchCase{"Sampling420", Sampled(2, 2), {37, 21, 120, 60}},
                      TPatchCase{"Sampling422", Sampled(2, 1), {37, 21, 120, 60}},
                      TPatchCase{"Sampling444", Sampled(1, 1), {37, 21, 120, 60}},
                      TPatchCase{"BottomRightCornerOfPartialMcus", Sampled(2, 2), {150, 90, 400, 300}},
                      TPatchCase{"TopLeftCorner", Sampled(2, 2), {-20, -20, 10, 10}},
                      TPatchCase{"RestartIntervalKept", WithRestarts(), {40, 40, 90, 70}},
                      TPatchCase{"ArithmeticSourceWrittenAsBaseline", Arithmetic(), {40, 40, 90, 70}},
                      TPatchCase{"WholePicture", Sampled(2, 2), {-5, -5, 300, 300}},
                      TPatchCase{"OutsideThePicture", Sampled(2, 2), {300, 10, 340, 30}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TRefusalCase {
  const char* Name;
  TMaking Making;
  TJpegPatchRefusal Refusal;
};

void PrintTo(const TRefusalCase& c, std::ostream* out) { *out << c.Name; }

class JpegPatchRefusal : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(JpegPatchRefusal, IsToldOnceTheHeaderIsRead) {
  EXPECT_EQ(TJpegPatcher(MakeJpeg(GetParam().Making)).Refusal(), GetParam().Refusal);
}

TMaking InSpace(J_COLOR_SPACE space) {
  TMaking m;
  m.Space = space;
  return m;
}
TMaking Progressive() {
  TMaking m;
  m.Progressive = true;
  return m;
}

INSTANTIATE_TEST_SUITE_P(Kinds, JpegPatchRefusal,
                         ::testing::Values(TRefusalCase{"Greyscale", InSpace(JCS_GRAYSCALE), jpGrayscale},
                                           TRefusalCase{"Cmyk", InSpace(JCS_CMYK), jpCmyk},
                                           TRefusalCase{"Ycck", InSpace(JCS_YCCK), jpCmyk},
                                           TRefusalCase{"Rgb", InSpace(JCS_RGB), jpColorSpace},
                                           TRefusalCase{"Progressive", Progressive(), jpProgressive}),
                         [](const auto& info) { return std::string(info.param.Name); });

// An Exif block whose second directory holds a 16-byte thumbnail at its end.
QByteArray ExifWithThumbnail() {
  QByteArray tiff("II*\0\x08\0\0\0", 8);
  tiff += QByteArray("\x01\0\x12\x01\x03\0\x01\0\0\0\x01\0\0\0\x1A\0\0\0", 18);  // orientation 1; next at 26
  tiff += QByteArray("\x02\0\x01\x02\x04\0\x01\0\0\0\x38\0\0\0\x02\x02\x04\0\x01\0\0\0\x10\0\0\0\0\0\0\0", 30);
  tiff += QByteArray(16, '\x55');
  return QByteArray("Exif\0\0", 6) + tiff;
}

TEST(JpegPatchMarkers, ExifWithoutItsThumbnailAndTheIccProfileStayTheRestGoes) {
  TMaking m;
  const QByteArray exif = ExifWithThumbnail();
  const QByteArray icc = QByteArray("ICC_PROFILE\0\x01\x01", 14) + QByteArray(100, '\x21');
  const QByteArray xmp("http://ns.adobe.com/xap/1.0/\0<x/>", 34);
  m.Markers = {{JPEG_APP0 + 1, exif}, {JPEG_APP0 + 1, xmp}, {JPEG_APP0 + 2, icc}, {JPEG_COM, "a comment"}};
  const TCoefficients out = ReadCoefficients(TJpegPatcher(MakeJpeg(m)).Patch({10, 10, 40, 30}, [](TSurface&, TPoint) {}));
  EXPECT_TRUE(out.Jfif);
  const std::vector<std::pair<int, QByteArray>> want{
      {JPEG_APP0, out.Markers.empty() ? QByteArray() : out.Markers[0].second},
      {JPEG_APP0 + 1, DropExifThumbnail(exif)},
      {JPEG_APP0 + 2, icc}};
  EXPECT_EQ(out.Markers, want);
  EXPECT_NE(DropExifThumbnail(exif), exif);
}

TEST(JpegPatchErrors, ABrokenSourceIsTheReadersError) {
  const QByteArray source = MakeJpeg({});
  for (const QByteArray& bytes : {source.left(100), QByteArray("\xFF\xD8\xFF\xE0 nonsense"), QByteArray()}) {
    try {
      TJpegPatcher patcher(bytes);
      ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
    } catch (const EJPEG& error) {
      EXPECT_TRUE(error.Message().startsWith("JPEG error #")) << error.Message().toStdString();
    }
  }
}

}  // namespace
