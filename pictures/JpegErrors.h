#pragma once
// The libjpeg error handling every codec routine of ours uses: a library
// error ends in a longjmp back to the caller's setjmp, with its message code
// left in the manager; warnings are silent, so damaged data decodes with the
// library's substitutes.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

struct TJpegErrorManager {
  jpeg_error_mgr pub;
  jmp_buf jump;
};

// Makes Manager the error handler of Common; its jump buffer is for the
// caller to set.
void InstallJpegErrors(jpeg_common_struct& common, TJpegErrorManager& manager);
