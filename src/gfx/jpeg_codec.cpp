#include "gfx/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>

#include <jpeglib.h>

namespace lumaro {

namespace {

// More scans than any encoder writes; crafted progressive files with thousands of tiny scans
// would otherwise take minutes.
constexpr int kMaxScans = 500;

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to
// the setjmp of the calling function, which then raises the exception in ordinary C++ code.
// Between setjmp and longjmp only libjpeg's C frames are left, so no destructor is skipped.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = "";
};

void errorExit(j_common_ptr c) {
    auto* m = reinterpret_cast<JpegErrorManager*>(c->err);
    (*c->err->format_message)(c, m->message);
    std::longjmp(m->jump, 1);
}

void silent(j_common_ptr) {}

void limitScans(j_common_ptr c) {
    auto* d = reinterpret_cast<j_decompress_ptr>(c);
    if (c->is_decompressor && d->input_scan_number > kMaxScans) {
        auto* m = reinterpret_cast<JpegErrorManager*>(c->err);
        std::snprintf(m->message, sizeof m->message, "more than %d scans", kMaxScans);
        std::longjmp(m->jump, 1);
    }
}

void initErrors(JpegErrorManager& e) {
    jpeg_std_error(&e.pub);
    e.pub.error_exit = errorExit;
    e.pub.output_message = silent;  // warnings (such as data ending early) are not printed
}

[[noreturn]] void raise(const JpegErrorManager& e) {
    throw EInvalidGraphic(std::string(kInvalidJpeg) + ": " + e.message);
}

// A decompressor that is destroyed on every path. Zero-initialised, so destroying one that
// was never created is harmless.
struct Decompressor {
    jpeg_decompress_struct cinfo{};
    JpegErrorManager err;
    jpeg_progress_mgr progress{};
    Decompressor() {
        initErrors(err);
        cinfo.err = &err.pub;
        progress.progress_monitor = limitScans;
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
    void start(ByteSpan data) {
        jpeg_create_decompress(&cinfo);
        cinfo.progress = &progress;
        jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
        jpeg_read_header(&cinfo, TRUE);
    }
};

struct Compressor {
    jpeg_compress_struct cinfo{};
    JpegErrorManager err;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    Compressor() {
        initErrors(err);
        cinfo.err = &err.pub;
    }
    ~Compressor() {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }
};

uint8_t clampByte(int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

// One decoded scanline to 0xAARRGGBB.
void convertRow(const uint8_t* src, uint32_t* dst, int width, J_COLOR_SPACE space, bool adobeInverted) {
    for (int x = 0; x < width; ++x) {
        uint32_t r, g, b;
        if (space == JCS_GRAYSCALE) {
            r = g = b = src[x];
        } else if (space == JCS_CMYK) {
            const uint8_t* p = src + 4 * x;
            // Adobe writes CMYK inverted (255 = no ink); plain CMYK stores ink amounts.
            const int c = adobeInverted ? p[0] : 255 - p[0];
            const int m = adobeInverted ? p[1] : 255 - p[1];
            const int y = adobeInverted ? p[2] : 255 - p[2];
            const int k = adobeInverted ? p[3] : 255 - p[3];
            r = clampByte((c * k + 127) / 255);
            g = clampByte((m * k + 127) / 255);
            b = clampByte((y * k + 127) / 255);
        } else {
            const uint8_t* p = src + 3 * x;
            r = p[0], g = p[1], b = p[2];
        }
        dst[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
}

}  // namespace

JpegInfo readJpegInfo(ByteSpan data) {
    Decompressor d;
    if (setjmp(d.err.jump)) raise(d.err);
    d.start(data);
    return {static_cast<int>(d.cinfo.image_width), static_cast<int>(d.cinfo.image_height), d.cinfo.num_components};
}

Image decodeJpeg(ByteSpan data) {
    Decompressor d;
    Image img;
    std::vector<uint8_t> row;
    if (setjmp(d.err.jump)) raise(d.err);
    d.start(data);
    checkDecodedSize(kInvalidJpeg, d.cinfo.image_width, d.cinfo.image_height);
    switch (d.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE: d.cinfo.out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK: d.cinfo.out_color_space = JCS_CMYK; break;
    default: d.cinfo.out_color_space = JCS_RGB; break;
    }
    jpeg_start_decompress(&d.cinfo);
    img.width = static_cast<int>(d.cinfo.output_width);
    img.height = static_cast<int>(d.cinfo.output_height);
    img.pixels.assign(static_cast<size_t>(img.width) * img.height, 0xFF000000u);
    row.resize(static_cast<size_t>(img.width) * d.cinfo.output_components);
    JSAMPROW rows[1] = {row.data()};
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        const int y = static_cast<int>(d.cinfo.output_scanline);
        if (jpeg_read_scanlines(&d.cinfo, rows, 1) != 1) break;
        convertRow(row.data(), img.pixels.data() + static_cast<size_t>(y) * img.width, img.width,
                   d.cinfo.out_color_space, d.cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.cinfo);
    return img;
}

Bytes encodeJpeg(const Image& image, int quality, bool grayscale) {
    if (image.isNull()) throw EInvalidGraphic(std::string(kInvalidJpeg) + ": cannot encode an empty picture");
    Compressor c;
    const int components = grayscale ? 1 : 3;
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * components);
    if (setjmp(c.err.jump)) raise(c.err);
    jpeg_create_compress(&c.cinfo);
    jpeg_mem_dest(&c.cinfo, &c.buffer, &c.size);
    c.cinfo.image_width = static_cast<JDIMENSION>(image.width);
    c.cinfo.image_height = static_cast<JDIMENSION>(image.height);
    c.cinfo.input_components = components;
    c.cinfo.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c.cinfo);
    jpeg_set_quality(&c.cinfo, quality < 1 ? 1 : quality > 100 ? 100 : quality, TRUE);
    jpeg_start_compress(&c.cinfo, TRUE);
    JSAMPROW rows[1] = {row.data()};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.pixel(x, y);
            const uint32_t a = p >> 24;
            // Over white: c * a + 255 * (1 - a).
            auto channel = [&](int shift) {
                return static_cast<uint8_t>((((p >> shift) & 0xFF) * a + 255 * (255 - a) + 127) / 255);
            };
            const uint8_t r = channel(16), g = channel(8), b = channel(0);
            if (grayscale) row[x] = static_cast<uint8_t>((r * 299 + g * 587 + b * 114 + 500) / 1000);
            else row[3 * x] = r, row[3 * x + 1] = g, row[3 * x + 2] = b;
        }
        jpeg_write_scanlines(&c.cinfo, rows, 1);
    }
    jpeg_finish_compress(&c.cinfo);
    return Bytes(c.buffer, c.buffer + c.size);
}

}  // namespace lumaro
