// libFuzzer target: arbitrary bytes through the PNG reader and writer.
#include "FuzzReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ExercisePngReader(data, size);
  return 0;
}
