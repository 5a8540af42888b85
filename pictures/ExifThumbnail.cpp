#include "pictures/ExifThumbnail.h"

#include <cstdint>
#include <cstring>
#include <optional>

namespace {

constexpr char kExifHeader[] = "Exif\0\0";
constexpr int kExifHeaderSize = 6;
constexpr int kEntrySize = 12;
constexpr uint16_t kThumbnailOffsetTag = 0x0201;  // JPEGInterchangeFormat
constexpr uint16_t kThumbnailLengthTag = 0x0202;  // JPEGInterchangeFormatLength

// The TIFF structure after the Exif header, in its own byte order; every
// read is bounds-checked and gives nothing past the end.
class TTiff {
 public:
  TTiff(char* data, int64_t size) : data_(reinterpret_cast<uint8_t*>(data)), size_(size) {}

  bool ReadByteOrder() {
    if (size_ < 8) return false;
    if (std::memcmp(data_, "II", 2) == 0)
      bigEndian_ = false;
    else if (std::memcmp(data_, "MM", 2) == 0)
      bigEndian_ = true;
    else
      return false;
    return U16(2) == std::optional<uint32_t>(42);
  }
  std::optional<uint32_t> U16(int64_t at) const { return Read(at, 2); }
  std::optional<uint32_t> U32(int64_t at) const { return Read(at, 4); }
  void PutU32(int64_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) data_[at + i] = static_cast<uint8_t>(value >> 8 * (bigEndian_ ? 3 - i : i));
  }
  int64_t Size() const { return size_; }
  uint8_t* Data() { return data_; }

  // Where a directory at At keeps the offset of the next one.
  std::optional<int64_t> NextLink(int64_t at) const {
    const std::optional<uint32_t> count = U16(at);
    if (!count) return std::nullopt;
    const int64_t link = at + 2 + kEntrySize * int64_t(*count);
    if (!U32(link)) return std::nullopt;
    return link;
  }
  // The value of a LONG or SHORT entry with Tag in the directory at At.
  std::optional<uint32_t> Value(int64_t at, uint16_t tag) const {
    const std::optional<uint32_t> count = U16(at);
    for (uint32_t i = 0; count && i < *count; ++i) {
      const int64_t entry = at + 2 + kEntrySize * int64_t(i);
      if (U16(entry) != std::optional<uint32_t>(tag)) continue;
      const std::optional<uint32_t> type = U16(entry + 2);
      if (type == std::optional<uint32_t>(3)) return U16(entry + 8);
      if (type == std::optional<uint32_t>(4)) return U32(entry + 8);
      return std::nullopt;
    }
    return std::nullopt;
  }

 private:
  std::optional<uint32_t> Read(int64_t at, int bytes) const {
    if (at < 0 || at + bytes > size_) return std::nullopt;
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= uint32_t(data_[at + i]) << 8 * (bigEndian_ ? bytes - 1 - i : i);
    return value;
  }

  uint8_t* data_;
  int64_t size_;
  bool bigEndian_ = false;
};

}  // namespace

QByteArray DropExifThumbnail(const QByteArray& app1) {
  if (!app1.startsWith(QByteArray(kExifHeader, kExifHeaderSize))) return app1;
  QByteArray out = app1;
  TTiff tiff(out.data() + kExifHeaderSize, out.size() - kExifHeaderSize);
  if (!tiff.ReadByteOrder()) return app1;
  const std::optional<uint32_t> first = tiff.U32(4);
  const std::optional<int64_t> link = first ? tiff.NextLink(*first) : std::nullopt;
  const std::optional<uint32_t> second = link ? tiff.U32(*link) : std::nullopt;
  if (!second || *second == 0) return app1;
  const std::optional<uint32_t> offset = tiff.Value(*second, kThumbnailOffsetTag);
  const std::optional<uint32_t> length = tiff.Value(*second, kThumbnailLengthTag);
  tiff.PutU32(*link, 0);
  if (!offset || !length || *offset < 8 || int64_t(*offset) + *length > tiff.Size()) return out;
  if (int64_t(*offset) + *length == tiff.Size()) {
    out.truncate(kExifHeaderSize + static_cast<qsizetype>(*offset));
  } else {
    std::memset(tiff.Data() + *offset, 0, *length);
  }
  return out;
}
