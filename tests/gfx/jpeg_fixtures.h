#pragma once
// JPEG files written straight through libjpeg for the tests, in forms our encoder does not make.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "gfx/graphic_fixtures.h"

namespace lumaro::fixtures {

// A CMYK (optionally YCCK) JPEG written straight through libjpeg, with the Adobe marker and the
// inverted values Adobe software stores (255 = no ink). Every pixel is the same colour.
inline Bytes cmykJpeg(uint8_t c, uint8_t m, uint8_t y, uint8_t k, bool ycck) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = 16;
    cinfo.image_height = 8;
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    if (ycck) jpeg_set_colorspace(&cinfo, JCS_YCCK);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row;
    for (int x = 0; x < 16; ++x) row.insert(row.end(), {uint8_t(255 - c), uint8_t(255 - m), uint8_t(255 - y), uint8_t(255 - k)});
    JSAMPROW rows[1] = {row.data()};
    for (int i = 0; i < 8; ++i) jpeg_write_scanlines(&cinfo, rows, 1);
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

}  // namespace lumaro::fixtures
