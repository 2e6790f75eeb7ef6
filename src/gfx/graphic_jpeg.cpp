#include "gfx/graphic_kinds.h"
#include "gfx/jpeg_codec.h"

namespace lumaro {

TJPEGImage::TJPEGImage(Bytes jpegFile) : TGraphic(std::move(jpegFile)) { inspect(); }

std::unique_ptr<TJPEGImage> TJPEGImage::fromImage(const Image& image, int quality, bool grayscale) {
    return std::make_unique<TJPEGImage>(encodeJpeg(image, quality, grayscale));
}

void TJPEGImage::readHeader() {
    const JpegInfo info = readJpegInfo(data());
    std::string problem;
    try {
        checkDecodedSize(kInvalidJpeg, info.width, info.height);
    } catch (const EInvalidGraphic& e) {
        problem = e.message();
    }
    setHeaderInfo(info.width, info.height, problem.empty(), problem);
}

Image TJPEGImage::decodePixels() const { return decodeJpeg(data()); }

}  // namespace lumaro
