#include "gfx/bmp_codec.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace lumaro {

namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12, kInfoHeaderSize = 40, kOs2v2HeaderSize = 64, kV4HeaderSize = 108;
constexpr uint32_t kOpaqueBlack = 0xFF000000;

struct DibHeader {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0;  // rows of the colour image (an icon's doubled height is halved)
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    bool core() const { return size == kCoreHeaderSize; }
};

// One colour channel of a bit-field pixel.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        shift = std::countr_zero(m);
        bits = 32 - std::countl_zero(m) - shift;
    }
    // The channel as 0..255; `absent` when the mask is empty.
    uint32_t value(uint32_t pixel, uint32_t absent) const {
        if (!bits) return absent;
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
        const uint32_t max = (1u << bits) - 1;
        return (v * 255 + max / 2) / max;
    }
};

DibHeader readDibHeader(ByteReader& r, bool icon) {
    DibHeader h;
    const size_t start = r.position();
    h.size = r.u32();
    if (h.size == kCoreHeaderSize) {
        h.width = r.u16();
        h.height = r.u16();
        r.u16();  // planes
        h.bitCount = r.u16();
    } else if (h.size >= 16 && h.size <= 4096) {
        ByteReader hr(r.bytes(h.size - 4), kInvalidBitmap);
        // Fields past a short (OS/2 2.x) header are zero.
        auto field = [&](size_t offset, size_t width) -> uint32_t {
            if (offset + width > h.size) return 0;
            hr.seek(offset - 4);
            return width == 2 ? hr.u16() : hr.u32();
        };
        h.width = static_cast<int32_t>(field(4, 4));
        h.height = static_cast<int32_t>(field(8, 4));
        h.bitCount = field(14, 2);
        h.compression = field(16, 4);
        h.colorsUsed = field(32, 4);
        if (h.size == kOs2v2HeaderSize && (h.compression == 3 || h.compression == 4))
            r.fail("OS/2 Huffman and RLE24 compression are not supported");
        if (h.size >= 52 && h.size != kOs2v2HeaderSize) {
            for (int i = 0; i < 3; ++i) h.masks[i] = field(40 + 4 * i, 4);
            h.masks[3] = field(52, 4);
        }
    } else {
        r.fail("unknown header size " + std::to_string(h.size));
    }
    if (h.size == kInfoHeaderSize && (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields)) {
        const int n = h.compression == kBiAlphaBitfields ? 4 : 3;
        for (int i = 0; i < n; ++i) h.masks[i] = r.u32();
    }
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    if (icon) h.height /= 2;
    if (h.width <= 0 || h.height <= 0) {
        r.seek(start);
        r.fail("invalid size " + std::to_string(h.width) + " x " + std::to_string(h.height));
    }

    const int bpp = h.bitCount;
    bool supported = false;
    switch (h.compression) {
    case kBiRgb: supported = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32; break;
    case kBiRle8: supported = bpp == 8; break;
    case kBiRle4: supported = bpp == 4; break;
    case kBiBitfields:
    case kBiAlphaBitfields: supported = bpp == 16 || bpp == 32; break;
    default:
        r.fail("compression " + std::to_string(h.compression) + " is not supported");
    }
    if (!supported)
        r.fail(std::to_string(bpp) + " bits per pixel with compression " + std::to_string(h.compression) +
               " is not supported");
    if (h.compression == kBiRgb && bpp == 16) h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
    if (h.compression == kBiRgb && bpp == 32) h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
    return h;
}

// Colour table after the header; entries past `limit` (the pixel data) are not read.
std::vector<uint32_t> readPalette(ByteReader& r, const DibHeader& h, size_t limit) {
    if (h.bitCount > 8) return {};
    const size_t entrySize = h.core() ? 3 : 4;
    size_t count = h.colorsUsed ? h.colorsUsed : (size_t{1} << h.bitCount);
    count = std::min(count, size_t{256});
    if (limit > r.position()) count = std::min(count, (limit - r.position()) / entrySize);
    else count = 0;
    std::vector<uint32_t> palette(count);
    for (auto& c : palette) {
        const ByteSpan e = r.bytes(entrySize);
        c = kOpaqueBlack | (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0];
    }
    return palette;
}

class PixelSink {
public:
    PixelSink(Image& img, const DibHeader& h, std::vector<uint32_t> palette, bool rgb32Alpha)
        : img_(img), h_(h), palette_(std::move(palette)),
          red_(h.masks[0]), green_(h.masks[1]), blue_(h.masks[2]),
          alpha_(h.compression == kBiRgb && !rgb32Alpha ? 0 : h.masks[3]) {
        if (h.compression == kBiRgb && h.bitCount == 32 && rgb32Alpha) alpha_ = Channel(0xFF000000);
    }

    // Row index in the image of the n-th stored row.
    uint32_t* row(int64_t stored) {
        const int64_t y = h_.topDown ? stored : h_.height - 1 - stored;
        return img_.pixels.data() + y * img_.width;
    }
    uint32_t indexed(uint32_t i) const { return i < palette_.size() ? palette_[i] : kOpaqueBlack; }
    uint32_t masked(uint32_t px) const {
        return (alpha_.value(px, 0xFF) << 24) | (red_.value(px, 0) << 16) | (green_.value(px, 0) << 8) |
               blue_.value(px, 0);
    }

    void decodeRow(ByteSpan src, uint32_t* dst) const {
        const int w = img_.width;
        switch (h_.bitCount) {
        case 1:
        case 4:
        case 8: {
            const int bpp = h_.bitCount;
            const int perByte = 8 / bpp;
            const uint32_t mask = (1u << bpp) - 1;
            for (int x = 0; x < w; ++x) {
                const int shift = 8 - bpp * (x % perByte + 1);
                dst[x] = indexed((src[x / perByte] >> shift) & mask);
            }
            break;
        }
        case 16:
            for (int x = 0; x < w; ++x) dst[x] = masked(peekU16(src, 2 * x));
            break;
        case 24:
            for (int x = 0; x < w; ++x) {
                const uint8_t* p = &src[3 * x];
                dst[x] = kOpaqueBlack | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
            }
            break;
        case 32:
            for (int x = 0; x < w; ++x) dst[x] = masked(peekU32(src, 4 * x));
            break;
        }
    }

private:
    Image& img_;
    const DibHeader& h_;
    std::vector<uint32_t> palette_;
    Channel red_, green_, blue_, alpha_;
};

int64_t strideOf(int64_t width, int bitCount) { return (width * bitCount + 31) / 32 * 4; }

Image newImage(const DibHeader& h, uint32_t fill) {
    checkDecodedSize(kInvalidBitmap, h.width, h.height);
    Image img;
    img.width = static_cast<int>(h.width);
    img.height = static_cast<int>(h.height);
    img.pixels.assign(static_cast<size_t>(h.width * h.height), fill);
    return img;
}

// Uncompressed rows; gives the number of bytes used. A last row without its padding is accepted.
size_t decodeRows(ByteReader& r, PixelSink& sink, const DibHeader& h) {
    const int64_t stride = strideOf(h.width, h.bitCount);
    const int64_t lastRow = (h.width * h.bitCount + 7) / 8;
    if (static_cast<int64_t>(r.remaining()) < stride * (h.height - 1) + lastRow)
        r.fail("pixel data is truncated (" + std::to_string(h.width) + " x " + std::to_string(h.height) + " at " +
               std::to_string(h.bitCount) + " bits per pixel need " + std::to_string(stride * h.height) +
               " bytes, " + std::to_string(r.remaining()) + " present)");
    const ByteSpan all = r.rest();
    for (int64_t y = 0; y < h.height; ++y) {
        const size_t begin = static_cast<size_t>(y * stride);
        sink.decodeRow(all.subspan(begin, std::min<size_t>(stride, all.size() - begin)), sink.row(y));
    }
    return all.size();
}

// RLE4 and RLE8: runs and absolute groups, row ends, deltas; pixels the data skips stay transparent.
void decodeRle(ByteReader& r, PixelSink& sink, const DibHeader& h, Image& img) {
    const bool four = h.compression == kBiRle4;
    int64_t x = 0, y = 0;
    auto put = [&](uint32_t index) {
        if (x < img.width && y < h.height) sink.row(y)[x] = sink.indexed(index);
        ++x;
    };
    while (y < h.height && r.remaining() >= 2) {
        const uint8_t count = r.u8();
        const uint8_t value = r.u8();
        if (count) {
            for (int i = 0; i < count && x < img.width; ++i) put(four ? (i % 2 ? value & 0xF : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            x += r.u8();
            y += r.u8();
        } else {  // absolute group of `value` pixels, padded to a 16-bit boundary
            const size_t bytes = four ? (value + 1) / 2 : value;
            const ByteSpan run = r.bytes(bytes);
            for (int i = 0; i < value; ++i) put(four ? (i % 2 ? run[i / 2] & 0xF : run[i / 2] >> 4) : run[i]);
            if (bytes % 2) r.skip(1);
        }
    }
}

// Header, palette and pixels of a DIB starting at the reader's position. `pixelOffset`, when
// not 0, is where the pixels start (a file header's offset); otherwise they follow the palette.
Image decodeDib(ByteReader& r, size_t pixelOffset, bool icon) {
    const DibHeader h = readDibHeader(r, icon);
    const size_t limit = pixelOffset && pixelOffset >= r.position() ? pixelOffset : SIZE_MAX;
    std::vector<uint32_t> palette = readPalette(r, h, limit);
    if (pixelOffset && pixelOffset >= r.position()) r.seek(pixelOffset);
    const bool rle = h.compression == kBiRle4 || h.compression == kBiRle8;
    Image img = newImage(h, rle ? 0u : kOpaqueBlack);
    PixelSink pixels(img, h, std::move(palette), icon);
    if (rle) {
        decodeRle(r, pixels, h, img);
        return img;
    }
    const size_t start = r.position();
    decodeRows(r, pixels, h);
    if (!icon) return img;

    // 32-bit icons whose alpha is all zero rely on the mask like the others.
    if (h.bitCount == 32 && std::any_of(img.pixels.begin(), img.pixels.end(), [](uint32_t p) { return p >> 24; }))
        return img;
    for (auto& p : img.pixels) p |= kOpaqueBlack;
    const int64_t stride = strideOf(h.width, h.bitCount);
    const int64_t maskStride = strideOf(h.width, 1);
    r.seek(start);
    if (static_cast<int64_t>(r.remaining()) < stride * h.height + maskStride * h.height) return img;  // no mask: opaque
    r.skip(static_cast<size_t>(stride * h.height));
    const ByteSpan mask = r.bytes(static_cast<size_t>(maskStride * h.height));
    for (int64_t y = 0; y < h.height; ++y) {
        uint32_t* dst = pixels.row(y);
        const uint8_t* bits = &mask[static_cast<size_t>(y * maskStride)];
        for (int x = 0; x < img.width; ++x)
            if (bits[x / 8] & (0x80 >> (x % 8))) dst[x] &= 0x00FFFFFF;
    }
    return img;
}

// File header: gives the pixel offset and leaves the reader at the DIB header.
size_t readFileHeader(ByteReader& r) {
    if (r.u16() != 0x4D42) r.fail("missing \"BM\" signature");
    r.u32();  // file size, not trusted
    r.u32();  // reserved
    const uint32_t offset = r.u32();
    return offset;
}

BmpInfo infoOf(const DibHeader& h) {
    if (h.width > INT32_MAX || h.height > INT32_MAX) throw EInvalidGraphic(std::string(kInvalidBitmap) + ": invalid size");
    return {static_cast<int>(h.width), static_cast<int>(h.height), h.bitCount, h.compression};
}

}  // namespace

BmpInfo readBmpInfo(ByteSpan file) {
    ByteReader r(file, kInvalidBitmap);
    readFileHeader(r);
    return infoOf(readDibHeader(r, false));
}

Image decodeBmp(ByteSpan file) {
    ByteReader r(file, kInvalidBitmap);
    const size_t offset = readFileHeader(r);
    // An offset outside the file is ignored: the pixels then follow the colour table.
    return decodeDib(r, offset > kFileHeaderSize && offset < file.size() ? offset : 0, false);
}

BmpInfo readIconDibInfo(ByteSpan dib) {
    ByteReader r(dib, kInvalidIcon);
    return infoOf(readDibHeader(r, true));
}

Image decodeIconDib(ByteSpan dib) {
    ByteReader r(dib, kInvalidIcon);
    return decodeDib(r, 0, true);
}

Bytes encodeBmp(const Image& image, int bitsPerPixel) {
    const bool alpha = bitsPerPixel == 32;
    const uint32_t headerSize = alpha ? kV4HeaderSize : kInfoHeaderSize;
    const int64_t stride = strideOf(image.width, alpha ? 32 : 24);
    const uint32_t offset = kFileHeaderSize + headerSize;
    const int64_t fileSize = offset + stride * image.height;
    Bytes out;
    out.reserve(static_cast<size_t>(fileSize));
    putU16(out, 0x4D42);
    putU32(out, static_cast<uint32_t>(fileSize));
    putU32(out, 0);
    putU32(out, offset);
    putU32(out, headerSize);
    putU32(out, static_cast<uint32_t>(image.width));
    putU32(out, static_cast<uint32_t>(image.height));  // positive: bottom-up
    putU16(out, 1);
    putU16(out, alpha ? 32 : 24);
    putU32(out, alpha ? kBiBitfields : kBiRgb);
    putU32(out, static_cast<uint32_t>(stride * image.height));
    putU32(out, 3780);  // 96 dots per inch in pixels per metre
    putU32(out, 3780);
    putU32(out, 0);
    putU32(out, 0);
    if (alpha) {
        for (uint32_t m : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) putU32(out, m);
        putU32(out, 0x73524742);  // colour space "sRGB"
        out.resize(out.size() + 36 + 12, 0);  // end points and gamma, unused for sRGB
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.pixel(x, y);
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p >> 16));
            if (alpha) out.push_back(static_cast<uint8_t>(p >> 24));
        }
        out.resize(rowStart + static_cast<size_t>(stride), 0);
    }
    return out;
}

}  // namespace lumaro
