#include "app/label_job.h"

#include <filesystem>
#include <system_error>

#include "core/date_time.h"
#include "report/model/report.h"
#include "report/variables.h"

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

namespace {

bool fileExists(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace

void fillLabelVariables(TfrxVariables& variables, const LoadTemplate& loadTemplate, const std::string& templatePath,
                        const LabelJobFields& fields) {
    variables.Clear();
    if (!templatePath.empty() && fileExists(templatePath)) loadTemplate(templatePath);
    variables.Set(kLabelCategoryEntry, Variant::null());
    for (const LabelVariable& v : labelJobVariables(fields)) variables.Set(v.name, Variant(v.value));
}

void fillLabelReport(TfrxReport& report, const std::string& templatePath, const LabelJobFields& fields) {
    fillLabelVariables(
        report.Variables(), [&report](const std::string& path) { report.LoadFromFile(path, false); }, templatePath,
        fields);
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
