#include "report/views/memo_properties.h"

#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxFormat::staticClassInfo() {
    using F = TfrxFormat;
    static const ClassInfo info = ClassBuilder<F>("TfrxFormat", &TfrxPersistent::staticClassInfo())
                                      .string<&F::DecimalSeparator, &F::SetDecimalSeparator>("DecimalSeparator")
                                      .string<&F::FormatStr, &F::SetFormatStr>("FormatStr")
                                      .enumeration<&F::Kind, &F::SetKind>("Kind", kFormatKindType, fkText)
                                      .build();
    return info;
}

void TfrxFormat::Assign(const TfrxFormat& s) {
    decimalSeparator_ = s.decimalSeparator_;
    formatStr_ = s.formatStr_;
    kind_ = s.kind_;
}

const ClassInfo& TfrxHighlight::staticClassInfo() {
    using H = TfrxHighlight;
    static const ClassInfo info =
        ClassBuilder<H>("TfrxHighlight", &TfrxPersistent::staticClassInfo())
            .boolean<&H::Active, &H::SetActive>("Active", false)
            .object<LUMARO_MUTABLE_GETTER(H, Font, TfrxFont)>("Font", &TfrxFont::staticClassInfo)
            .color<&H::Color, &H::SetColor>("Color", clNone)
            .string<&H::Condition, &H::SetCondition>("Condition")
            .build();
    return info;
}

TfrxHighlight::TfrxHighlight() { font_.SetColor(clRed); }

void TfrxHighlight::Assign(const TfrxHighlight& s) {
    active_ = s.active_;
    font_.Assign(s.font_);
    color_ = s.color_;
    condition_ = s.condition_;
}

}  // namespace lumaro
