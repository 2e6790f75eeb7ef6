#pragma once
// Windows bitmap files (BMP) and device-independent bitmaps (DIB) as icons hold them.
// Reads 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, RLE4, RLE8 and bit fields,
// bottom-up and top-down, with OS/2 core (12-byte), OS/2 2.x, info (40-byte) and V2 to V5
// headers. Writes 24-bit and 32-bit (with alpha) files.
#include "gfx/byte_io.h"
#include "gfx/image.h"

namespace lumaro {

struct BmpInfo {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    uint32_t compression = 0;
};

// Size and format from the headers of a complete BMP file (14-byte file header first).
// Raises EInvalidGraphic for a damaged header or a format this reader does not decode
// (embedded JPEG or PNG, OS/2 Huffman or RLE24).
BmpInfo readBmpInfo(ByteSpan file);

// Decodes a complete BMP file. Raises EInvalidGraphic (what is wrong, at which byte).
Image decodeBmp(ByteSpan file);

// Decodes an icon's DIB: info header with the doubled height, palette, colour pixels, then
// the 1-bit AND mask that makes pixels transparent. 32-bit entries carry their own alpha.
Image decodeIconDib(ByteSpan dib);
// Size and bit count of an icon's DIB (height already halved).
BmpInfo readIconDibInfo(ByteSpan dib);

// A complete BMP file of the image: bottom-up, 24 bits (alpha dropped) or 32 bits with an
// alpha channel (V4 header with bit fields). `bitsPerPixel` is 24 or 32.
Bytes encodeBmp(const Image& image, int bitsPerPixel);

}  // namespace lumaro
