#pragma once
// Small picture files built byte by byte for the tests, independent of the encoders under test.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "gfx/byte_io.h"
#include "gfx/image.h"

namespace lumaro::fixtures {

inline void append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF,
                   kBlack = 0xFF000000;

// A DIB header of `headerSize` bytes (12 core, 40 info, 108 V4, 124 V5); masks (R, G, B, A)
// go into V4/V5 headers, or after a 40-byte header for bit fields.
inline Bytes dibHeader(uint32_t headerSize, int32_t width, int32_t height, int bpp, uint32_t compression,
                       uint32_t colorsUsed = 0, std::vector<uint32_t> masks = {}) {
    Bytes h;
    putU32(h, headerSize);
    if (headerSize == 12) {
        putU16(h, static_cast<uint32_t>(width));
        putU16(h, static_cast<uint32_t>(height));
        putU16(h, 1);
        putU16(h, static_cast<uint32_t>(bpp));
        return h;
    }
    putU32(h, static_cast<uint32_t>(width));
    putU32(h, static_cast<uint32_t>(height));
    putU16(h, 1);
    putU16(h, static_cast<uint32_t>(bpp));
    putU32(h, compression);
    putU32(h, 0);  // image size
    putU32(h, 2835);
    putU32(h, 2835);
    putU32(h, colorsUsed);
    putU32(h, 0);
    if (headerSize > 40) {
        masks.resize(4, 0);
        for (uint32_t m : masks) putU32(h, m);
        h.resize(headerSize, 0);
    } else {
        for (uint32_t m : masks) putU32(h, m);
    }
    return h;
}

// Palette entries from 0xAARRGGBB: 3 bytes (core) or 4 bytes each.
inline Bytes palette(std::initializer_list<uint32_t> colors, bool core = false) {
    Bytes p;
    for (uint32_t c : colors) {
        p.push_back(static_cast<uint8_t>(c));
        p.push_back(static_cast<uint8_t>(c >> 8));
        p.push_back(static_cast<uint8_t>(c >> 16));
        if (!core) p.push_back(0);
    }
    return p;
}

// "BM" file header in front of header + palette + pixels.
inline Bytes bmpFile(const Bytes& header, const Bytes& pal, const Bytes& pixels) {
    Bytes f{'B', 'M'};
    const uint32_t offset = static_cast<uint32_t>(14 + header.size() + pal.size());
    putU32(f, static_cast<uint32_t>(offset + pixels.size()));
    putU32(f, 0);
    putU32(f, offset);
    append(f, header);
    append(f, pal);
    append(f, pixels);
    return f;
}

// Rows of indices (top row first) packed at 1, 4 or 8 bits, stored bottom-up or top-down,
// each row padded to 4 bytes.
inline Bytes packIndices(const std::vector<std::vector<int>>& rows, int bpp, bool topDown) {
    Bytes out;
    const size_t n = rows.size();
    for (size_t i = 0; i < n; ++i) {
        const auto& row = rows[topDown ? i : n - 1 - i];
        Bytes packed((row.size() * bpp + 31) / 32 * 4, 0);
        for (size_t x = 0; x < row.size(); ++x) {
            const size_t bit = x * bpp;
            packed[bit / 8] |= static_cast<uint8_t>(row[x] << (8 - bpp - bit % 8));
        }
        append(out, packed);
    }
    return out;
}

// ICO file from (directory width, height, bit count, entry bytes).
struct IcoEntry {
    int width, height, bitCount;
    Bytes data;
};
inline Bytes icoFile(const std::vector<IcoEntry>& entries) {
    Bytes f;
    putU16(f, 0);
    putU16(f, 1);
    putU16(f, static_cast<uint32_t>(entries.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
    for (const auto& e : entries) {
        f.push_back(static_cast<uint8_t>(e.width));
        f.push_back(static_cast<uint8_t>(e.height));
        f.push_back(0);
        f.push_back(0);
        putU16(f, 1);
        putU16(f, static_cast<uint32_t>(e.bitCount));
        putU32(f, static_cast<uint32_t>(e.data.size()));
        putU32(f, offset);
        offset += static_cast<uint32_t>(e.data.size());
    }
    for (const auto& e : entries) append(f, e.data);
    return f;
}

// An enhanced metafile: header record (bounds, frame in 0.01 mm, " EMF") and an EOF record.
inline Bytes emfFile(int32_t frameRight, int32_t frameBottom, int32_t boundsRight = 0, int32_t boundsBottom = 0) {
    Bytes f;
    putU32(f, 1);    // EMR_HEADER
    putU32(f, 108);  // record size
    for (int32_t v : {0, 0, boundsRight, boundsBottom, 0, 0, frameRight, frameBottom}) putU32(f, static_cast<uint32_t>(v));
    putU32(f, 0x464D4520);
    putU32(f, 0x10000);
    putU32(f, 108 + 20);  // total bytes
    putU32(f, 2);         // records
    f.resize(108, 0);
    for (uint32_t v : {14u, 20u, 0u, 16u, 20u}) putU32(f, v);  // EMR_EOF
    return f;
}

// A placeable metafile header plus a minimal WMF header and end record.
inline Bytes placeableWmf(int16_t right, int16_t bottom, uint16_t inch) {
    Bytes f;
    putU32(f, 0x9AC6CDD7);
    putU16(f, 0);
    for (int16_t v : {int16_t(0), int16_t(0), right, bottom}) putU16(f, static_cast<uint16_t>(v));
    putU16(f, inch);
    putU32(f, 0);
    putU16(f, 0);  // checksum (not checked)
    for (uint32_t v : {1u, 9u, 0x300u}) putU16(f, v);
    putU32(f, 12);
    putU16(f, 0);
    putU32(f, 3);
    putU16(f, 0);
    putU32(f, 3);  // end record
    putU16(f, 0);
    return f;
}

// Every BMP variant the reader handles, as a 3 x 2 picture: red green blue / white red green.
constexpr uint32_t kClear = 0x00000000;

inline const std::vector<std::vector<int>> kIndices{{0, 1, 2}, {3, 0, 1}};
inline const std::vector<uint32_t> kExpected{kRed, kGreen, kBlue, kWhite, kRed, kGreen};  // 3 x 2, top row first

// The four colours, padded with black to the 2^bpp entries a table without a count holds.
inline Bytes fourColourPalette(int bpp, bool core = false) {
    Bytes p = palette({kRed, kGreen, kBlue, kWhite}, core);
    p.resize((size_t{1} << bpp) * (core ? 3 : 4), 0);
    return p;
}

// Pixels of the expected picture as 16-, 24- or 32-bit values, stored bottom-up or top-down.
inline Bytes packTrueColour(int bpp, bool topDown, uint32_t (*encode)(uint32_t)) {
    Bytes out;
    for (int i = 0; i < 2; ++i) {
        const int y = topDown ? i : 1 - i;
        Bytes row;
        for (int x = 0; x < 3; ++x) {
            const uint32_t v = encode(kExpected[static_cast<size_t>(y * 3 + x)]);
            for (int b = 0; b < bpp / 8; ++b) row.push_back(static_cast<uint8_t>(v >> (8 * b)));
        }
        row.resize((row.size() + 3) / 4 * 4, 0);
        append(out, row);
    }
    return out;
}

inline uint32_t asBgr(uint32_t c) { return c & 0xFFFFFF; }  // at 32 bits the alpha byte is 0
inline uint32_t as555(uint32_t c) { return ((c >> 19 & 31) << 10) | ((c >> 11 & 31) << 5) | (c >> 3 & 31); }
inline uint32_t as565(uint32_t c) { return ((c >> 19 & 31) << 11) | ((c >> 10 & 63) << 5) | (c >> 3 & 31); }
inline uint32_t asRgbaLow(uint32_t c) {  // R in the low byte, alpha on top
    return (c & 0xFF000000) | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

struct BmpCase {
    const char* name;
    Bytes file;
    std::vector<uint32_t> expected;
    int bitCount;
};

inline std::vector<BmpCase> bmpCases() {
    std::vector<BmpCase> c;
    c.push_back({"8 bit, bottom-up", bmpFile(dibHeader(40, 3, 2, 8, 0), fourColourPalette(8), packIndices(kIndices, 8, false)), kExpected, 8});
    c.push_back({"8 bit, top-down", bmpFile(dibHeader(40, 3, -2, 8, 0), fourColourPalette(8), packIndices(kIndices, 8, true)), kExpected, 8});
    c.push_back({"8 bit, table of 4 colours", bmpFile(dibHeader(40, 3, 2, 8, 0, 4), palette({kRed, kGreen, kBlue, kWhite}), packIndices(kIndices, 8, false)), kExpected, 8});
    c.push_back({"4 bit", bmpFile(dibHeader(40, 3, 2, 4, 0), fourColourPalette(4), packIndices(kIndices, 4, false)), kExpected, 4});
    c.push_back({"1 bit", bmpFile(dibHeader(40, 3, 2, 1, 0), palette({kBlack, kWhite}), packIndices({{0, 1, 0}, {1, 1, 0}}, 1, false)),
                 {kBlack, kWhite, kBlack, kWhite, kWhite, kBlack}, 1});
    c.push_back({"8 bit, OS/2 core header", bmpFile(dibHeader(12, 3, 2, 8, 0), fourColourPalette(8, true), packIndices(kIndices, 8, false)), kExpected, 8});
    c.push_back({"24 bit, OS/2 core header", bmpFile(dibHeader(12, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"24 bit, bottom-up", bmpFile(dibHeader(40, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"24 bit, top-down", bmpFile(dibHeader(40, 3, -2, 24, 0), {}, packTrueColour(24, true, asBgr)), kExpected, 24});
    c.push_back({"24 bit, V4 header", bmpFile(dibHeader(108, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"24 bit, V5 header", bmpFile(dibHeader(124, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"16 bit 5-5-5", bmpFile(dibHeader(40, 3, 2, 16, 0), {}, packTrueColour(16, false, as555)), kExpected, 16});
    c.push_back({"16 bit 5-6-5 bit fields", bmpFile(dibHeader(40, 3, 2, 16, 3, 0, {0xF800, 0x07E0, 0x001F}), {}, packTrueColour(16, false, as565)), kExpected, 16});
    c.push_back({"32 bit, alpha byte ignored", bmpFile(dibHeader(40, 3, 2, 32, 0), {}, packTrueColour(32, false, asBgr)), kExpected, 32});
    c.push_back({"32 bit bit fields, V5 with alpha, RGBA order",
                 bmpFile(dibHeader(124, 3, 2, 32, 3, 0, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}), {}, packTrueColour(32, false, asRgbaLow)),
                 kExpected, 32});
    c.push_back({"32 bit bit fields after an info header", bmpFile(dibHeader(40, 3, 2, 32, 3, 0, {0xFF0000, 0xFF00, 0xFF}), {}, packTrueColour(32, false, asBgr)), kExpected, 32});
    // RLE8: bottom row as one absolute group (padded), top row as three runs.
    c.push_back({"RLE8", bmpFile(dibHeader(40, 3, 2, 8, 1), fourColourPalette(8),
                                 {0, 3, 3, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1, 2, 0, 1}), kExpected, 8});
    // RLE8 with a delta: skipped pixels stay transparent.
    c.push_back({"RLE8 with delta", bmpFile(dibHeader(40, 3, 2, 8, 1), fourColourPalette(8), {0, 2, 2, 0, 1, 1, 0, 0, 2, 2, 0, 1}),
                 {kBlue, kBlue, kClear, kClear, kClear, kGreen}, 8});
    // RLE4: bottom row absolute (3 nibbles), top row a two-pixel run and a one-pixel run.
    c.push_back({"RLE4", bmpFile(dibHeader(40, 3, 2, 4, 2), fourColourPalette(4), {0, 3, 0x30, 0x10, 0, 0, 2, 0x01, 1, 0x20, 0, 1}), kExpected, 4});
    return c;
}


// A test picture with smooth gradients (JPEG-friendly) and opaque pixels.
inline Image gradient(int w, int h) {
    Image img;
    img.width = w;
    img.height = h;
    img.pixels.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t r = static_cast<uint32_t>(x * 255 / (w > 1 ? w - 1 : 1));
            const uint32_t g = static_cast<uint32_t>(y * 255 / (h > 1 ? h - 1 : 1));
            const uint32_t b = static_cast<uint32_t>((x + y) * 127 / (w + h));
            img.pixels[static_cast<size_t>(y) * w + x] = 0xFF000000 | (r << 16) | (g << 8) | b;
        }
    return img;
}

// Largest difference of any channel (alpha included) between two images of one size.
inline int maxChannelDiff(const Image& a, const Image& b) {
    int worst = 0;
    for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i)
        for (int s = 0; s < 32; s += 8)
            worst = std::max(worst, std::abs(int((a.pixels[i] >> s) & 0xFF) - int((b.pixels[i] >> s) & 0xFF)));
    return worst;
}

}  // namespace lumaro::fixtures
