#pragma once
// A graphic from the bytes of a picture file or of a data field, recognised by signature:
// "BM" bitmap; FF D8 JPEG; a placeable metafile key or " EMF" at byte 40 (more than 100
// bytes) metafile; an icon header (reserved 0, type below 2) icon.
#include <memory>
#include <string>

#include "gfx/graphic.h"

namespace lumaro {

// nullptr when no signature matches. Data fields may carry an 8-byte blob header (the 16-bit
// values 1 and 256, then the 32-bit length of the rest); it is skipped.
std::unique_ptr<TGraphic> graphicFromBytes(ByteSpan data);

// Reads the file and recognises it as above. Raises EFileError when the file cannot be read
// and EInvalidGraphic naming the file when it is no picture this system knows.
std::unique_ptr<TGraphic> graphicFromFile(const std::string& path);

}  // namespace lumaro
