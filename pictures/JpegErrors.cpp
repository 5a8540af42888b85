#include "pictures/JpegErrors.h"

namespace {

void ErrorExit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<TJpegErrorManager*>(cinfo->err)->jump, 1); }
void EmitMessage(j_common_ptr, int) {}
void OutputMessage(j_common_ptr) {}

}  // namespace

void InstallJpegErrors(jpeg_common_struct& common, TJpegErrorManager& manager) {
  common.err = jpeg_std_error(&manager.pub);
  manager.pub.error_exit = ErrorExit;
  manager.pub.emit_message = EmitMessage;
  manager.pub.output_message = OutputMessage;
}
