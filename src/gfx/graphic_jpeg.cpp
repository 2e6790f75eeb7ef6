#include "gfx/graphic_kinds.h"
#include "gfx/jpeg_codec.h"

namespace lumaro {

TJPEGImage::TJPEGImage(Bytes jpegFile) : TGraphic(std::move(jpegFile)) { inspect(); }

std::unique_ptr<TJPEGImage> TJPEGImage::fromImage(const Image& image, int quality, bool grayscale) {
    return std::make_unique<TJPEGImage>(encodeJpeg(image, quality, grayscale));
}

void TJPEGImage::readHeader() {
    const JpegInfo info = readJpegInfo(data());
    setDecodableSize(kInvalidJpeg, info.width, info.height);
}

Image TJPEGImage::decodePixels() const { return decodeJpeg(data()); }

}  // namespace lumaro
