#pragma once
// The label data handed to a template: one category entry and seven report variables whose
// values are expression texts (quoted texts reach the template as strings, bare ones as
// numbers).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/format_settings.h"

namespace lumaro {

class TfrxReport;
class TfrxVariables;

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

// Loads the template file at the given path into the report (the report clears itself first
// and reports its own loading errors).
using LoadTemplate = std::function<void(const std::string& path)>;

// Fills the report before printing or designing: clears the variable list, loads the template
// at `templatePath` when a file exists there (otherwise the report keeps what it held), sets
// the category entry to Null and then the seven variables. A variable the template already
// defines keeps its place and gets the new value; the others are appended, so with a template
// that defines none of them they follow the category entry and belong to it.
void fillLabelVariables(TfrxVariables& variables, const LoadTemplate& loadTemplate, const std::string& templatePath,
                        const LabelJobFields& fields);

// fillLabelVariables on the report's variables, loading with LoadFromFile(path, false).
void fillLabelReport(TfrxReport& report, const std::string& templatePath, const LabelJobFields& fields);

// `text` as a string literal of an expression: between apostrophes, an apostrophe inside
// doubled so that the template receives the text exactly.
std::string expressionStringLiteral(std::string_view text);

}  // namespace lumaro
