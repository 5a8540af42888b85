// libFuzzer target: arbitrary bytes changed in place as --keep-jpeg changes
// a JPEG, and through the Exif thumbnail remover.
#include "FuzzReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ExerciseJpegPatcher(data, size);
  return 0;
}
