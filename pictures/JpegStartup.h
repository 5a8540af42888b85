#pragma once

// Registers the jpeg, jpg and jpe extensions (TJPEGImage, "JPEG Image File")
// with the picture holder's registry; the JPEG defaults are constant and
// need no setting up. The program, the command-line tool and the test
// programs call it at start; calling it again changes nothing.
void StartJpegSupport();
