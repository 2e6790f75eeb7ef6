#include "gfx/graphic.h"

#include <limits>

namespace lumaro {

namespace {
int64_t gMaxDecodedPixels = 100'000'000;
}

int64_t maxDecodedPixels() { return gMaxDecodedPixels; }
void setMaxDecodedPixels(int64_t pixels) { gMaxDecodedPixels = pixels; }

void checkDecodedSize(const char* what, int64_t width, int64_t height) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width <= 0 || height <= 0) throw EInvalidGraphic(std::string(what) + ": invalid picture size " + size);
    if (width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max() ||
        width > gMaxDecodedPixels / height)
        throw EInvalidGraphic(std::string(what) + ": picture of " + size +
                              " pixels is larger than the limit of " + std::to_string(gMaxDecodedPixels) +
                              " pixels");
}

void TGraphic::setHeaderInfo(int width, int height, bool decodable, std::string problem) {
    width_ = width;
    height_ = height;
    decodable_ = decodable;
    problem_ = std::move(problem);
}

void TGraphic::setDecodableSize(const char* what, int width, int height) {
    try {
        checkDecodedSize(what, width, height);
        setHeaderInfo(width, height, true);
    } catch (const EInvalidGraphic& e) {
        setHeaderInfo(width, height, false, e.message());
    }
}

void TGraphic::inspect() {
    if (data_.empty()) {
        setHeaderInfo(0, 0, false, "empty graphic");
        return;
    }
    try {
        readHeader();
    } catch (const EInvalidGraphic& e) {
        setHeaderInfo(0, 0, false, e.message());
    }
}

Image TGraphic::decodePixels() const { throw EInvalidGraphic(problem_); }

std::shared_ptr<const Image> TGraphic::decode() const {
    if (decoded_) return decoded_;
    if (!decodable_) throw EInvalidGraphic(problem_.empty() ? kInvalidPictureData : problem_);
    try {
        decoded_ = std::make_shared<const Image>(decodePixels());
    } catch (const EInvalidGraphic& e) {
        decodable_ = false;
        problem_ = e.message();
        throw;
    }
    return decoded_;
}

std::shared_ptr<const Image> TGraphic::image() const {
    try {
        return decode();
    } catch (const EInvalidGraphic&) {
        return nullptr;
    }
}

}  // namespace lumaro
