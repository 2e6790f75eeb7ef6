// Every kind of stored picture, cut short at every length and with every byte changed, goes
// through recognition, the picture payload and decoding: each step either works or raises
// EInvalidGraphic, and never crashes (run under the sanitizers too).
#include <gtest/gtest.h>

#include "gfx/graphic_error.h"
#include "gfx/graphic_fixtures.h"
#include "gfx/graphic_sniff.h"
#include "gfx/jpeg_codec.h"
#include "gfx/picture.h"

using namespace lumaro;
using namespace lumaro::fixtures;

namespace {

std::vector<std::pair<const char*, Bytes>> samples() {
    Bytes icoDib = dibHeader(40, 2, 4, 4, 0);
    append(icoDib, palette({kRed, kBlue}));
    append(icoDib, {0x01, 0, 0, 0, 0x10, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 0});
    return {
        {"bitmap 8 bit", bmpFile(dibHeader(40, 3, 2, 8, 0), palette({kRed, kGreen}), packIndices({{0, 1, 0}, {1, 0, 1}}, 8, false))},
        {"bitmap RLE4", bmpFile(dibHeader(40, 3, 2, 4, 2), palette({kRed, kGreen}), {0, 3, 0x10, 0x10, 0, 0, 3, 0x01, 0, 1})},
        {"bitmap 16 bit fields", bmpFile(dibHeader(108, 2, -1, 16, 3, 0, {0xF800, 0x07E0, 0x1F, 0}), {}, {1, 2, 3, 4})},
        {"JPEG", encodeJpeg(gradient(16, 16), 75)},
        {"EMF", emfFile(2540, 1270)},
        {"placeable WMF", placeableWmf(1440, 1440, 1440)},
        {"icon", icoFile({{2, 2, 4, icoDib}})},
    };
}

// Recognition, decoding, and the payload path of the resulting graphic.
void exercise(const Bytes& data) {
    if (auto g = graphicFromBytes(data)) {
        (void)g->image();
        TPicture p;
        p.setGraphic(std::move(g));
        Bytes payload = p.writeData();
        TPicture q;
        q.readData(payload);
        EXPECT_EQ(q.writeData(), payload);
    }
    TPicture p;
    try {
        p.readData(data);
        if (p.graphic()) (void)p.graphic()->image();
    } catch (const EInvalidGraphic&) {
    }
}

}  // namespace

TEST(DamagedData, EveryPrefixAndEveryChangedByte) {
    // Changed size fields ask for pictures of up to 4 gigapixels; a small limit keeps this quick.
    const int64_t savedLimit = maxDecodedPixels();
    setMaxDecodedPixels(1 << 16);
    for (const auto& [name, file] : samples()) {
        SCOPED_TRACE(name);
        auto g = graphicFromBytes(file);
        ASSERT_NE(g, nullptr);
        TPicture whole;
        whole.setGraphic(std::move(g));
        const Bytes payload = whole.writeData();
        for (const Bytes& data : {file, payload}) {
            for (size_t n = 0; n <= data.size(); ++n) exercise(Bytes(data.begin(), data.begin() + static_cast<long>(n)));
            for (size_t i = 0; i < data.size(); ++i)
                for (uint8_t x : {0x01, 0x80, 0xFF}) {
                    Bytes changed = data;
                    changed[i] ^= x;
                    exercise(changed);
                }
        }
    }
    setMaxDecodedPixels(savedLimit);
}
