#pragma once
// Base of the nodes that take part in preparation: bands, views, data sets, dialog
// controls. Declares drawing and the engine's per-object steps.
#include <string>

#include "report/model/component.h"

namespace lumaro {

class Canvas;

class TfrxReportComponent : public TfrxComponent {
    LUMARO_CLASS_INFO
public:
    // Draws the object; scales are output pixels per object pixel, offsets output pixels.
    virtual void Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY);
    // Engine steps around printing an object: save the template state, fetch the data of
    // the current record, restore the template state.
    virtual void BeforePrint() {}
    virtual void GetData() {}
    virtual void AfterPrint() {}
    // Plain text of the object's content (text exports, searching).
    virtual std::string ComponentText() const { return std::string(); }
};

}  // namespace lumaro
