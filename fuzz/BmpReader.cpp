// libFuzzer target: arbitrary bytes through the BMP reader and writer.
#include "FuzzReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ExerciseBmpReader(data, size);
  return 0;
}
