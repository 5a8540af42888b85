// libFuzzer target: arbitrary bytes through the JPEG header reader, its EXIF
// orientation and the decoders.
#include "FuzzReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ExerciseJpegReader(data, size);
  return 0;
}
