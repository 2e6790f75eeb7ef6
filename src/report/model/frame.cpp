#include "report/model/frame.h"

#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxFrame::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxFrame>("TfrxFrame", &TfrxPersistent::staticClassInfo())
            .color<&TfrxFrame::Color, &TfrxFrame::SetColor>("Color", clBlack)
            .boolean<&TfrxFrame::DropShadow, &TfrxFrame::SetDropShadow>("DropShadow", false)
            .color<&TfrxFrame::ShadowColor, &TfrxFrame::SetShadowColor>("ShadowColor", clBlack)
            .floating<&TfrxFrame::ShadowWidth, &TfrxFrame::SetShadowWidth>("ShadowWidth", 4)
            .enumeration<&TfrxFrame::Style, &TfrxFrame::SetStyle>("Style", kFrameStyleType, fsSolid)
            .set<&TfrxFrame::Typ, &TfrxFrame::SetTyp>("Typ", kFrameTypeType, 0)
            .floating<&TfrxFrame::Width, &TfrxFrame::SetWidth>("Width", 1)
            .build();
    return info;
}

void TfrxFrame::Assign(const TfrxFrame& s) {
    color_ = s.color_;
    dropShadow_ = s.dropShadow_;
    shadowColor_ = s.shadowColor_;
    shadowWidth_ = s.shadowWidth_;
    style_ = s.style_;
    typ_ = s.typ_;
    width_ = s.width_;
}

bool TfrxFrame::sameAs(const TfrxFrame& o) const {
    return color_ == o.color_ && dropShadow_ == o.dropShadow_ && shadowColor_ == o.shadowColor_ &&
           shadowWidth_ == o.shadowWidth_ && style_ == o.style_ && typ_ == o.typ_ && width_ == o.width_;
}

}  // namespace lumaro
