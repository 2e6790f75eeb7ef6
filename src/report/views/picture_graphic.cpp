#include "report/views/picture_graphic.h"

#include "gfx/graphic_kinds.h"
#include "gfx/picture.h"

namespace lumaro {

std::unique_ptr<TGraphic> graphicOf(const TfrxPicture& picture) {
    if (picture.IsEmpty()) return nullptr;
    const std::string& name = picture.GraphicClassName();
    const std::string& data = picture.GraphicData();
    Bytes payload;
    payload.reserve(1 + name.size() + data.size());
    payload.push_back(static_cast<uint8_t>(name.size()));
    payload.insert(payload.end(), name.begin(), name.end());
    payload.insert(payload.end(), data.begin(), data.end());
    try {
        if (auto graphic = readGraphicData(payload)) return graphic;
    } catch (const EInvalidGraphic&) {
    }
    return std::make_unique<TUnknownGraphic>(name, Bytes(data.begin(), data.end()));
}

void setGraphicOf(TfrxPicture& picture, const TGraphic* graphic) {
    if (!graphic) {
        picture.Clear();
        return;
    }
    const Bytes payload = writeGraphicData(graphic);
    const size_t nameLength = payload[0];
    picture.SetGraphic(std::string(payload.begin() + 1, payload.begin() + 1 + nameLength),
                       std::string(payload.begin() + 1 + nameLength, payload.end()));
}

}  // namespace lumaro
