#include "pictures/JpegSettings.h"

const TJPEGSettings& JPEGDefaults() {
  static const TJPEGSettings defaults;
  return defaults;
}
