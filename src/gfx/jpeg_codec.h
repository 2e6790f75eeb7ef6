#pragma once
// JPEG through libjpeg. Decodes greyscale, RGB/YCbCr and CMYK/YCCK files (Adobe's inverted
// CMYK included) to 32-bit pixels and encodes pixels at a chosen quality. libjpeg's fatal
// errors become EInvalidGraphic; nothing in here ends the process or prints.
#include "gfx/byte_io.h"
#include "gfx/image.h"

namespace lumaro {

struct JpegInfo {
    int width = 0;
    int height = 0;
    int components = 0;
};

// Size from the headers (the frame header is read, the image data is not).
JpegInfo readJpegInfo(ByteSpan data);

// Decodes the whole image, opaque. Raises EInvalidGraphic for data libjpeg rejects, for a
// picture larger than maxDecodedPixels() and for files with an excessive number of scans.
// Data that merely ends early decodes as far as it goes, like other viewers show it.
Image decodeJpeg(ByteSpan data);

// Encodes the image (transparent parts over white) as a baseline JPEG file.
// `quality` runs from 1 to 100; `grayscale` writes one component.
Bytes encodeJpeg(const Image& image, int quality = 90, bool grayscale = false);

}  // namespace lumaro
