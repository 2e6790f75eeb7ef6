#pragma once
// Rectangles, rounded rectangles, ellipses, triangles, diamonds and diagonals.
#include "report/views/view.h"

namespace lumaro {

class TfrxShapeView : public TfrxView {
    LUMARO_CLASS_INFO
public:
    TfrxShapeKind Shape() const { return shape_; }
    void SetShape(TfrxShapeKind v) { shape_ = v; }

    void Draw(const DrawContext& context) const override;

private:
    TfrxShapeKind shape_ = skRectangle;
};

}  // namespace lumaro
