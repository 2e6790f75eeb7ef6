#include "gfx/bmp_codec.h"
#include "gfx/graphic_kinds.h"

namespace lumaro {

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool isPng(ByteSpan d) { return d.size() >= 8 && std::equal(kPngSignature, kPngSignature + 8, d.begin()); }

// Size of a PNG entry from its IHDR chunk (big-endian), else from the directory.
void pngSize(ByteSpan d, int& w, int& h) {
    if (d.size() < 24) return;
    auto be = [&](size_t p) { return (uint32_t{d[p]} << 24) | (uint32_t{d[p + 1]} << 16) | (uint32_t{d[p + 2]} << 8) | d[p + 3]; };
    const uint32_t pw = be(16), ph = be(20);
    if (pw > 0 && ph > 0 && pw <= 65536 && ph <= 65536) w = static_cast<int>(pw), h = static_cast<int>(ph);
}

}  // namespace

TIcon::TIcon(Bytes icoFile) : TGraphic(std::move(icoFile)) { inspect(); }

void TIcon::readHeader() {
    const ByteSpan file(data());
    ByteReader r(file, kInvalidIcon);
    if (r.u16() != 0) r.fail("reserved word is not 0");
    if (r.u16() > 1) r.fail("not an icon file");
    const int count = r.u16();
    if (count == 0) r.fail("the icon holds no images");

    struct Best {
        int64_t area = -1;
        int bits = 0;
        int width = 0, height = 0;
        size_t offset = 0, size = 0;
    } bmp, png;
    std::string lastProblem;
    for (int i = 0; i < count; ++i) {
        int dirWidth = r.u8(), dirHeight = r.u8();  // 0 stands for 256
        if (dirWidth == 0) dirWidth = 256;
        if (dirHeight == 0) dirHeight = 256;
        r.skip(6);  // colour count, reserved, planes, bit count
        const uint32_t size = r.u32();
        const uint32_t offset = r.u32();
        if (offset >= file.size() || size == 0) {
            lastProblem = "image " + std::to_string(i + 1) + " lies outside the file";
            continue;
        }
        const ByteSpan entry = file.subspan(offset, std::min<size_t>(size, file.size() - offset));
        int w = dirWidth, h = dirHeight, bits = 0;
        Best* best = &bmp;
        if (isPng(entry)) {
            pngSize(entry, w, h);
            best = &png;
        } else {
            try {
                const BmpInfo info = readIconDibInfo(entry);
                checkDecodedSize(kInvalidIcon, info.width, info.height);
                w = info.width, h = info.height, bits = info.bitCount;
            } catch (const EInvalidGraphic& e) {
                lastProblem = e.message();
                continue;
            }
        }
        const int64_t area = int64_t{w} * h;
        if (area > best->area || (area == best->area && bits > best->bits))
            *best = {area, bits, w, h, offset, entry.size()};
    }
    if (bmp.area >= 0) {
        entryOffset_ = bmp.offset;
        entrySize_ = bmp.size;
        setDecodableSize(kInvalidIcon, bmp.width, bmp.height);
    } else if (png.area >= 0) {
        setHeaderInfo(png.width, png.height, false, "PNG-compressed icons cannot be drawn on this platform");
    } else {
        throw EInvalidGraphic(lastProblem.empty() ? std::string(kInvalidIcon) : lastProblem);
    }
}

Image TIcon::decodePixels() const { return decodeIconDib(ByteSpan(data()).subspan(entryOffset_, entrySize_)); }

}  // namespace lumaro
