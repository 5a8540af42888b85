// libFuzzer target: arbitrary bytes through the HEIF reader.
#include "FuzzReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ExerciseHeifReader(data, size);
  return 0;
}
