#include "pictures/StreamIO.h"

#include <algorithm>

EWriteError::EWriteError() : Exception(QStringLiteral("Stream write error")) {}

int64_t StreamRemaining(QIODevice& stream) {
  if (stream.isSequential()) return stream.bytesAvailable();
  return std::max<int64_t>(0, stream.size() - stream.pos());
}

bool ReadExact(QIODevice& stream, void* dest, int64_t count) {
  auto* to = static_cast<char*>(dest);
  while (count > 0) {
    const qint64 got = stream.read(to, count);
    if (got <= 0) return false;
    to += got;
    count -= got;
  }
  return true;
}

QByteArray ReadRemaining(QIODevice& stream) {
  if (stream.isSequential()) return stream.readAll();
  QByteArray bytes(static_cast<qsizetype>(StreamRemaining(stream)), Qt::Uninitialized);
  // A file that shrinks meanwhile yields what it still holds.
  qint64 filled = 0;
  while (filled < bytes.size()) {
    const qint64 got = stream.read(bytes.data() + filled, bytes.size() - filled);
    if (got <= 0) break;
    filled += got;
  }
  bytes.truncate(static_cast<qsizetype>(filled));
  return bytes;
}

void WriteAll(QIODevice& stream, const void* data, int64_t count) {
  const auto* from = static_cast<const char*>(data);
  while (count > 0) {
    const qint64 put = stream.write(from, count);
    if (put <= 0) throw EWriteError();
    from += put;
    count -= put;
  }
}

void TByteCursor::Need(size_t count) const {
  if (!Has(count)) throw EInvalidGraphic::BitmapNotValid();
}

uint8_t TByteCursor::U8() {
  Need(1);
  return data_[pos_++];
}

uint16_t TByteCursor::U16() {
  Need(2);
  const uint16_t v = static_cast<uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
  pos_ += 2;
  return v;
}

uint32_t TByteCursor::U32() {
  Need(4);
  const uint32_t v = static_cast<uint32_t>(data_[pos_]) | static_cast<uint32_t>(data_[pos_ + 1]) << 8 |
                     static_cast<uint32_t>(data_[pos_ + 2]) << 16 | static_cast<uint32_t>(data_[pos_ + 3]) << 24;
  pos_ += 4;
  return v;
}

void TByteCursor::Skip(size_t count) {
  Need(count);
  pos_ += count;
}

const uint8_t* TByteCursor::Take(size_t count) {
  Need(count);
  const uint8_t* at = data_ + pos_;
  pos_ += count;
  return at;
}

void PutU16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}
