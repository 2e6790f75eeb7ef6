#include "app/label_job.h"

#include "core/date_time.h"

namespace lumaro {

std::string expressionStringLiteral(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    out += '\'';
    return out;
}

std::vector<LabelVariable> labelJobVariables(const LabelJobFields& f, const FormatSettings& fs) {
    return {
        {"datum", expressionStringLiteral(dateToStr(f.productionDate, fs))},
        {"kos", f.pieces},
        {"lot", expressionStringLiteral(f.lot)},
        {"ssccod", f.ssccFrom},
        {"ssccdo", f.ssccTo},
        {"koda", expressionStringLiteral(f.productCode)},
        {"st", f.labelsPerSheet},
    };
}

}  // namespace lumaro
