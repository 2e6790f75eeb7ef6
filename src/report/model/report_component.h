#pragma once
// Base of the nodes that take part in preparation: bands, views, data sets, dialog
// controls. Declares drawing and the engine's per-object steps.
#include <string>

#include "report/model/component.h"

namespace lumaro {

struct DrawContext;

class TfrxReportComponent : public TfrxComponent {
    LUMARO_CLASS_INFO
public:
    // Draws the object onto context.canvas (views/draw_context.h). Drawing changes nothing in
    // the object, so one object may be drawn at several zooms, also from within another drawing.
    virtual void Draw(const DrawContext& context) const;
    // Engine steps around printing an object: save the template state, fetch the data of
    // the current record, restore the template state.
    virtual void BeforePrint() {}
    virtual void GetData() {}
    virtual void AfterPrint() {}
    // Plain text of the object's content (text exports, searching).
    virtual std::string ComponentText() const { return std::string(); }
};

}  // namespace lumaro
