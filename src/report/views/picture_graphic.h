#pragma once
// Puts a copy of a graphic into a picture property (nullptr clears it).
#include "gfx/graphic.h"
#include "report/model/picture.h"

namespace lumaro {

void setGraphicOf(TfrxPicture& picture, const TGraphic* graphic);

}  // namespace lumaro
