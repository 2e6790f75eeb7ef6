#include "report/model/report_component.h"

#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxReportComponent::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxReportComponent>("TfrxReportComponent", &TfrxComponent::staticClassInfo()).build();
    return info;
}

}  // namespace lumaro
