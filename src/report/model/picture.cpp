#include "report/model/picture.h"

#include "core/text.h"
#include "gfx/graphic_error.h"
#include "report/registry/class_builder.h"
#include "report/serializer/typed_stream.h"

namespace lumaro {

const ClassInfo& TfrxPicture::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<TfrxPicture>("TPicture", &TfrxPersistent::staticClassInfo()).build();
    return info;
}

void TfrxPicture::writePropData(TypedWriter& writer) const {
    const Bytes data = picture_.writeData();
    writer.writeName("Data");
    writer.writeBinary(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

bool TfrxPicture::readPropEntry(std::string_view name, TypedReader& reader, ObjectReader&) {
    std::string bytes;
    if (!sameText(name, "Data") || !reader.readBinary(bytes)) return false;
    try {
        picture_.readData(ByteSpan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    } catch (const EInvalidGraphic&) {
        return false;
    }
    return true;
}

}  // namespace lumaro
