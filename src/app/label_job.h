#pragma once
// The label data handed to a template: one category entry and seven report variables whose
// values are expression texts (quoted texts reach the template as strings, bare ones as
// numbers).
#include <string>
#include <string_view>
#include <vector>

#include "core/format_settings.h"

namespace lumaro {

// The field contents of one labelling job, as the window reads them.
struct LabelJobFields {
    double productionDate = 0;   // days since 30 December 1899
    std::string pieces;          // edit texts of the numeric fields, unchanged
    std::string lot;             // texts as typed
    std::string productCode;
    std::string ssccFrom;
    std::string ssccTo;
    std::string labelsPerSheet;
};

struct LabelVariable {
    std::string name;
    std::string value;
};

// The category entry placed before the seven variables (its value is Null).
inline constexpr std::string_view kLabelCategoryEntry = " Norvik";

// "datum", "kos", "lot", "ssccod", "ssccdo", "koda", "st" in this order. The date is written
// with the short date format of `fs`.
std::vector<LabelVariable> labelJobVariables(const LabelJobFields& fields, const FormatSettings& fs = formatSettings());

// `text` as a string literal of an expression: between apostrophes, an apostrophe inside
// doubled so that the template receives the text exactly.
std::string expressionStringLiteral(std::string_view text);

}  // namespace lumaro
