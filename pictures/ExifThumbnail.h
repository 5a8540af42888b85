#pragma once
#include <QByteArray>

// The body of an APP1 Exif marker ("Exif\0\0" and a TIFF structure) without
// its embedded thumbnail, which would show the photo as it was before it
// was changed: the thumbnail's directory (the second one) is unlinked from
// the first, and the thumbnail's bytes are cut off where they end the block
// (as cameras write them) or blanked where they do not. Every offset is
// checked against the block before it is followed; a block that is not
// Exif, has no thumbnail or whose structure cannot be followed that far
// comes back unchanged.
QByteArray DropExifThumbnail(const QByteArray& app1);
