#include "report/model/picture.h"

#include "core/text.h"
#include "report/registry/class_builder.h"
#include "report/serializer/typed_stream.h"

namespace lumaro {

const ClassInfo& TfrxPicture::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<TfrxPicture>("TPicture", &TfrxPersistent::staticClassInfo()).build();
    return info;
}

void TfrxPicture::SetGraphic(std::string className, std::string data) {
    if (className.size() > kMaxClassName) className.resize(kMaxClassName);
    graphicClass_ = std::move(className);
    graphicData_ = graphicClass_.empty() ? std::string() : std::move(data);
    if (onChange_) onChange_();
}

void TfrxPicture::writePropData(TypedWriter& writer) const {
    std::string bytes;
    bytes.push_back(static_cast<char>(graphicClass_.size()));
    bytes += graphicClass_;
    bytes += graphicData_;
    writer.writeName("Data");
    writer.writeBinary(bytes);
}

bool TfrxPicture::readPropEntry(std::string_view name, TypedReader& reader, ObjectReader&) {
    std::string bytes;
    if (!sameText(name, "Data") || !reader.readBinary(bytes) || bytes.empty()) return false;
    const size_t len = static_cast<uint8_t>(bytes[0]);
    if (len > kMaxClassName || len + 1 > bytes.size()) return false;
    SetGraphic(bytes.substr(1, len), bytes.substr(1 + len));
    return true;
}

}  // namespace lumaro
