// Behaviour of the picture object: its graphic, AutoSize, and pictures from data fields.
#include "gfx/graphic_sniff.h"
#include "report/model/dataset.h"
#include "report/views/picture_view.h"

namespace lumaro {

void TfrxPictureView::SetAutoSize(bool v) {
    autoSize_ = v;
    applyAutoSize();
}

// A graphic whose size is unknown (damaged data) leaves the size alone.
void TfrxPictureView::applyAutoSize() {
    if (!autoSize_) return;
    const TGraphic* g = graphic();
    if (!g || g->width() <= 0 || g->height() <= 0) return;
    SetWidth(g->width());
    SetHeight(g->height());
}

void TfrxPictureView::loadFieldData(ByteSpan data) {
    picture_.Picture().setGraphic(graphicFromBytes(data));
}

// A large-object field gives its bytes as a string value.
void TfrxPictureView::GetData() {
    TfrxView::GetData();
    if (!IsDataField() || !DataSet()->IsBlobField(DataField())) return;
    const Variant value = DataSet()->Value(DataField());
    if (!value.isString()) {
        picture_.Clear();
        return;
    }
    const std::string& bytes = value.rawString();
    loadFieldData(ByteSpan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace lumaro
