#include "gfx/bmp_codec.h"
#include "gfx/graphic_kinds.h"

namespace lumaro {

TBitmap::TBitmap(Bytes bmpFile) : TGraphic(std::move(bmpFile)) { inspect(); }

std::unique_ptr<TBitmap> TBitmap::fromImage(const Image& image, bool withAlpha) {
    return std::make_unique<TBitmap>(encodeBmp(image, withAlpha ? 32 : 24));
}

void TBitmap::readHeader() {
    const BmpInfo info = readBmpInfo(data());
    setDecodableSize(kInvalidBitmap, info.width, info.height);
}

Image TBitmap::decodePixels() const { return decodeBmp(data()); }

}  // namespace lumaro
