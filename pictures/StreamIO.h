#pragma once
#include <QByteArray>
#include <QIODevice>
#include <cstddef>
#include <cstdint>

#include "toolkit/Exceptions.h"

// "Stream write error": a stream refused bytes (a full disk, say).
class EWriteError : public Exception {
 public:
  EWriteError();
};

// Bytes left between the stream's position and its end.
int64_t StreamRemaining(QIODevice& stream);
// Reads exactly Count bytes into Dest; false when the stream ends first.
bool ReadExact(QIODevice& stream, void* dest, int64_t count);
// Everything from the stream's position to its end.
QByteArray ReadRemaining(QIODevice& stream);
// Writes all Count bytes or throws EWriteError.
void WriteAll(QIODevice& stream, const void* data, int64_t count);
inline void WriteAll(QIODevice& stream, const QByteArray& bytes) { WriteAll(stream, bytes.constData(), bytes.size()); }

// A bounds-checked little-endian reader over bytes in memory. Every read
// checks what is left first; reading past the end means the picture is not
// valid ("Bitmap image is not valid"), never an overread.
class TByteCursor {
 public:
  TByteCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Position() const { return pos_; }
  size_t Size() const { return size_; }
  size_t Remaining() const { return size_ - pos_; }
  bool Has(size_t count) const { return count <= Remaining(); }
  bool AtEnd() const { return pos_ == size_; }

  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  int32_t I32() { return static_cast<int32_t>(U32()); }
  void Skip(size_t count);
  // The next Count bytes, skipped over.
  const uint8_t* Take(size_t count);

 private:
  void Need(size_t count) const;

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Little-endian values into a byte buffer, for headers.
void PutU16(uint8_t* at, uint16_t value);
void PutU32(uint8_t* at, uint32_t value);
