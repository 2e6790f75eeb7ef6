#pragma once
// Pages of a report: printable report pages and dialog pages.
#include "report/model/component.h"

namespace lumaro {

class TfrxPage : public TfrxComponent {
    LUMARO_CLASS_INFO
};

// A dialog shown before preparation (its behaviour is not modelled further).
class TfrxDialogPage : public TfrxPage {
    LUMARO_CLASS_INFO
};

}  // namespace lumaro
