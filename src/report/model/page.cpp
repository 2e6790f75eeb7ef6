#include "report/model/page.h"

#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxPage::staticClassInfo() {
    using P = TfrxPage;
    static const ClassInfo info =
        ClassBuilder<P>("TfrxPage", &TfrxComponent::staticClassInfo())
            .object<LUMARO_MUTABLE_GETTER(TfrxComponent, Font, TfrxFont)>("Font", &TfrxFont::staticClassInfo, isFontStored)
            .boolean<&P::Visible, &P::SetVisible>("Visible", true)
            .build();
    return info;
}

const ClassInfo& TfrxDialogPage::staticClassInfo() {
    using P = TfrxDialogPage;
    static const ClassInfo info = ClassBuilder<P>("TfrxDialogPage", &TfrxPage::staticClassInfo())
                                      .creatable()
                                      .floating<&P::Height, &P::SetHeight>("Height")
                                      .floating<&P::Left, &P::SetLeft>("Left")
                                      .floating<&P::Top, &P::SetTop>("Top")
                                      .floating<&P::Width, &P::SetWidth>("Width")
                                      .build();
    return info;
}

}  // namespace lumaro
