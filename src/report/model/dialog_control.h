#pragma once
// Base of the controls on dialog pages (buttons, edits, ...); their behaviour is not modelled
// here.
#include "report/model/report_component.h"

namespace lumaro {

class TfrxDialogControl : public TfrxReportComponent {
    LUMARO_CLASS_INFO
};

}  // namespace lumaro
