#pragma once
#include <cstdint>

enum TJPEGPerformance : uint8_t { jpBestQuality, jpBestSpeed };
enum TJPEGPixelFormat : uint8_t { jf24Bit, jf8Bit };
enum TJPEGScale : uint8_t { jsFullSize, jsHalf, jsQuarter, jsEighth };

// How a JPEG picture decodes and encodes.
struct TJPEGSettings {
  int CompressionQuality = 90;                   // 1 to 100
  bool Grayscale = false;                        // decode to grey, encode one component
  TJPEGPerformance Performance = jpBestQuality;  // float DCT; best speed: fast integer DCT, ordered dither
  TJPEGPixelFormat PixelFormat = jf24Bit;        // 8 bits: colour reduction to 236 colours
  bool ProgressiveEncoding = false;
  TJPEGScale Scale = jsFullSize;                 // decoding at 1 / 2^Scale
  bool Smoothing = true;                         // block smoothing of progressive files
};

// The process-wide defaults every new JPEG picture starts from. The
// display is true-colour, so pictures decode to 24 bits; the program never
// changes these values.
const TJPEGSettings& JPEGDefaults();
