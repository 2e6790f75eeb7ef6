#pragma once
// The bridge between a picture property, which keeps its graphic as the stored class name and
// bytes, and the graphic classes that know the formats (size, pixels, placeholders).
#include <memory>

#include "gfx/graphic.h"
#include "report/model/picture.h"

namespace lumaro {

// The graphic the picture holds; nullptr for an empty picture. Stored data whose structure is
// damaged gives a graphic that cannot be decoded, so that it is drawn as a placeholder.
std::unique_ptr<TGraphic> graphicOf(const TfrxPicture& picture);

// Puts `graphic` into the picture (nullptr clears it).
void setGraphicOf(TfrxPicture& picture, const TGraphic* graphic);

}  // namespace lumaro
