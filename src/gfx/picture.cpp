#include "gfx/picture.h"

#include <algorithm>
#include <cstring>

#include "core/text.h"
#include "gfx/graphic_kinds.h"
#include "gfx/graphic_sniff.h"

namespace lumaro {

namespace {

constexpr size_t kMaxClassNameLength = 63;

enum class LengthField {
    Counted,       // 32-bit length of the data
    CountsItself,  // 32-bit length of the data plus its own 4 bytes
    None,          // the data runs to the end of the payload
};

struct GraphicFormat {
    const char* className;
    LengthField length;
    std::unique_ptr<TGraphic> (*make)(Bytes);
};

template <class G>
std::unique_ptr<TGraphic> make(Bytes data) {
    return std::make_unique<G>(std::move(data));
}

constexpr GraphicFormat kFormats[] = {
    {"TBitmap", LengthField::Counted, make<TBitmap>},
    {"TJPEGImage", LengthField::Counted, make<TJPEGImage>},
    {"TMetafile", LengthField::CountsItself, make<TMetafile>},
    {"TIcon", LengthField::None, make<TIcon>},
};

// Class names compare without regard to case, as class lookups do.
const GraphicFormat* formatOf(const std::string& name) {
    const std::string lower = lowerCase(name);
    for (const auto& f : kFormats)
        if (lower == lowerCase(f.className)) return &f;
    return nullptr;
}

// Class names are identifiers: letters, digits and underscores, not starting with a digit.
bool isClassName(const std::string& name) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(name[0])) return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

LengthField lengthFieldOf(const TGraphic& g) {
    const GraphicFormat* f = formatOf(g.className());
    return f ? f->length : LengthField::None;
}

}  // namespace

std::unique_ptr<TGraphic> readGraphicData(ByteSpan payload) {
    ByteReader r(payload, kInvalidPictureData);
    if (payload.empty()) return nullptr;
    const size_t nameLength = r.u8();
    if (nameLength > kMaxClassNameLength)
        r.fail("graphic class name of " + std::to_string(nameLength) + " characters (at most " +
               std::to_string(kMaxClassNameLength) + " allowed)");
    const ByteSpan nameBytes = r.bytes(nameLength);
    const std::string name(nameBytes.begin(), nameBytes.end());
    if (name.empty()) return nullptr;
    if (!isClassName(name)) r.fail("graphic class name is not an identifier");

    const GraphicFormat* format = formatOf(name);
    const LengthField lengthField = format ? format->length : LengthField::None;
    size_t length = r.remaining();
    if (lengthField != LengthField::None) {
        const uint32_t stored = r.u32();
        length = stored;
        if (lengthField == LengthField::CountsItself) length = stored < 4 ? 0 : stored - 4;
        if (length > r.remaining())
            r.fail(name + " data of " + std::to_string(length) + " bytes is longer than the " +
                   std::to_string(r.remaining()) + " bytes present");
    }
    const ByteSpan data = r.bytes(length);
    Bytes bytes(data.begin(), data.end());
    if (!format) return std::make_unique<TUnknownGraphic>(name, std::move(bytes));
    return format->make(std::move(bytes));
}

Bytes writeGraphicData(const TGraphic* graphic) {
    Bytes out;
    if (!graphic) return out;
    const std::string name = graphic->className();
    out.push_back(static_cast<uint8_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    const Bytes& data = graphic->data();
    switch (lengthFieldOf(*graphic)) {
    case LengthField::Counted: putU32(out, static_cast<uint32_t>(data.size())); break;
    case LengthField::CountsItself: putU32(out, static_cast<uint32_t>(data.size() + 4)); break;
    case LengthField::None: break;
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

TPicture::TPicture(const TPicture& other)
    : graphic_(other.graphic_ ? other.graphic_->clone() : nullptr), changed_(other.changed_) {}

TPicture& TPicture::operator=(const TPicture& other) {
    if (this != &other) setGraphic(other.graphic_ ? other.graphic_->clone() : nullptr);
    return *this;
}

void TPicture::setGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    changedNow();
}

void TPicture::loadFromFile(const std::string& path) { setGraphic(graphicFromFile(path)); }

void TPicture::readData(ByteSpan payload) { setGraphic(readGraphicData(payload)); }

Bytes TPicture::writeData() const { return writeGraphicData(graphic_.get()); }

bool TPicture::operator==(const TPicture& other) const {
    if (!graphic_ || !other.graphic_) return !graphic_ && !other.graphic_;
    return std::strcmp(graphic_->className(), other.graphic_->className()) == 0 &&
           graphic_->data() == other.graphic_->data();
}

void TPicture::changedNow() {
    changed_ = true;
    if (onChange_) onChange_();
}

}  // namespace lumaro
