// libFuzzer target: arbitrary bytes through the WebP reader.
#include "FuzzReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ExerciseWebPReader(data, size);
  return 0;
}
