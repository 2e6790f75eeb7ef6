#pragma once
// A placeholder that prints another report page in its place.
#include "report/registry/weak_ref.h"
#include "report/views/view.h"

namespace lumaro {

class TfrxReportPage;

class TfrxSubreport : public TfrxView {
    LUMARO_CLASS_INFO
public:
    TfrxSubreport();
    ~TfrxSubreport() override;

    // The page printed here; setting it links the page back to this object.
    TfrxReportPage* Page() const;
    void SetPage(TfrxReportPage* page);
    bool PrintOnParent() const { return printOnParent_; }
    void SetPrintOnParent(bool v) { printOnParent_ = v; }

    void Draw(const DrawContext& context) const override;
    std::string DisplayName() const override;

private:
    WeakRef<TfrxReportPage> page_;
    bool printOnParent_ = false;
};

}  // namespace lumaro
