#pragma once
// Lines: horizontal or vertical (normalised from the size when drawn) or diagonal.
#include "report/views/view.h"

namespace lumaro {

class TfrxCustomLineView : public TfrxStretcheable {
    LUMARO_CLASS_INFO
public:
    bool Diagonal() const { return diagonal_; }
    void SetDiagonal(bool v) { diagonal_ = v; }

    void Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
    std::string DisplayName() const override;

private:
    bool diagonal_ = false;
};

class TfrxLineView : public TfrxCustomLineView {
    LUMARO_CLASS_INFO
};

}  // namespace lumaro
