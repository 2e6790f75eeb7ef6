#include "report/model/dialog_control.h"

#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxDialogControl::staticClassInfo() {
    using C = TfrxDialogControl;
    static const ClassInfo info =
        ClassBuilder<C>("TfrxDialogControl", &TfrxReportComponent::staticClassInfo())
            .floating<&C::Left, &C::SetLeft>("Left")
            .floating<&C::Top, &C::SetTop>("Top")
            .floating<&C::Width, &C::SetWidth>("Width")
            .floating<&C::Height, &C::SetHeight>("Height")
            .object<LUMARO_MUTABLE_GETTER(TfrxComponent, Font, TfrxFont)>("Font", &TfrxFont::staticClassInfo, isFontStored)
            .integer<&C::GroupIndex, &C::SetGroupIndex>("GroupIndex", 0)
            .boolean<&C::ParentFont, &C::SetParentFont>("ParentFont", true)
            .set<&C::Restrictions, &C::SetRestrictions>("Restrictions", kRestrictionType, 0)
            .boolean<&C::Visible, &C::SetVisible>("Visible", true)
            .build();
    return info;
}

}  // namespace lumaro
