#include "report/views/picture_graphic.h"

namespace lumaro {

void setGraphicOf(TfrxPicture& picture, const TGraphic* graphic) {
    picture.Picture().setGraphic(graphic ? graphic->clone() : nullptr);
}

}  // namespace lumaro
