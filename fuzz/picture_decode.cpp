// Picture data from templates and picture files from disk: the first byte chooses the path,
// the rest is the data.
//   odd:  a picture payload ("Data" entry): read, decode, write, read back; writing what was
//         read and reading it again must give the same bytes.
//   even: a picture file: recognised by signature and decoded; a decoded picture written as
//         a 32-bit bitmap must decode to the same pixels.
// Only EInvalidGraphic may escape the readers; anything else is a finding.
#include <cstdint>
#include <cstdlib>

#include "gfx/bmp_codec.h"
#include "gfx/graphic_error.h"
#include "gfx/graphic_sniff.h"
#include "gfx/picture.h"
#include "gfx/picture_draw.h"

using namespace lumaro;

namespace {

void decodeAndPlace(const TGraphic& g) {
    if (const auto img = g.image()) {
        if (img->width != g.width() || img->height != g.height()) std::abort();
        if (int64_t{img->width} * img->height <= 4096 && decodeBmp(encodeBmp(*img, 32)).pixels != img->pixels)
            std::abort();
    }
    (void)pictureRect(RectF{0, 0, 100, 80}, g.width(), g.height(), PictureLayout{true, true, true});
}

void payload(ByteSpan data) {
    TPicture p;
    try {
        p.readData(data);
    } catch (const EInvalidGraphic&) {
        return;
    }
    if (p.graphic()) decodeAndPlace(*p.graphic());
    const Bytes written = p.writeData();
    TPicture again;
    again.readData(written);  // what we wrote always reads
    if (again.writeData() != written) std::abort();
}

void file(ByteSpan data) {
    if (auto g = graphicFromBytes(data)) decodeAndPlace(*g);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setMaxDecodedPixels(1 << 18);  // 1 MB per picture keeps runs fast; the limit path is exercised
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const ByteSpan rest(data + 1, size - 1);
    if (data[0] & 1) payload(rest);
    else file(rest);
    return 0;
}
