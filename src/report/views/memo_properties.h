#pragma once
// Property objects of the text object: the display format of values and the conditional
// highlight.
#include <string>

#include "gfx/color.h"
#include "report/model/font.h"
#include "report/model/report_types.h"
#include "report/registry/persistent.h"

namespace lumaro {

class TfrxFormat : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    const std::string& DecimalSeparator() const { return decimalSeparator_; }
    void SetDecimalSeparator(std::string v) { decimalSeparator_ = std::move(v); }
    const std::string& FormatStr() const { return formatStr_; }
    void SetFormatStr(std::string v) { formatStr_ = std::move(v); }
    TfrxFormatKind Kind() const { return kind_; }
    void SetKind(TfrxFormatKind v) { kind_ = v; }

    void Assign(const TfrxFormat& s);

private:
    std::string decimalSeparator_;
    std::string formatStr_;
    TfrxFormatKind kind_ = fkText;
};

class TfrxHighlight : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    TfrxHighlight();

    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    TfrxFont& Font() { return font_; }
    const TfrxFont& Font() const { return font_; }
    void SetFont(const TfrxFont& f) { font_.Assign(f); }
    lumaro::Color Color() const { return color_; }
    void SetColor(lumaro::Color v) { color_ = v; }
    const std::string& Condition() const { return condition_; }
    void SetCondition(std::string v) { condition_ = std::move(v); }

    void Assign(const TfrxHighlight& s);

private:
    bool active_ = false;
    TfrxFont font_;
    lumaro::Color color_ = clNone;
    std::string condition_;
};

}  // namespace lumaro
