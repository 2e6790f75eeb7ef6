#pragma once
// Lines: horizontal or vertical (normalised from the size) or diagonal.
#include "report/views/view.h"

namespace lumaro {

class TfrxCustomLineView : public TfrxStretcheable {
    LUMARO_CLASS_INFO
public:
    bool Diagonal() const { return diagonal_; }
    void SetDiagonal(bool v) { diagonal_ = v; }

    // A line that is not diagonal becomes vertical (Width 0, left side framed) when Width <=
    // Height, else horizontal (Height 0, top side framed). Drawing draws every line so; the
    // preparation and the designer call this to make the object say so too.
    void normalize();

    void Draw(const DrawContext& context) const override;
    std::string DisplayName() const override;

private:
    bool drawnVertical() const;
    int drawnSides() const;

    bool diagonal_ = false;
};

class TfrxLineView : public TfrxCustomLineView {
    LUMARO_CLASS_INFO
};

}  // namespace lumaro
