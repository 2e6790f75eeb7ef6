// The global functions, constants and enumerations of the report library.
#include "report/script/report_library_parts.h"

#include "core/date_time.h"
#include "core/error.h"
#include "gfx/color.h"
#include "report/model/dataset.h"
#include "report/registry/class_registry.h"
#include "script/library/class_table.h"
#include "script/library/library_function.h"

namespace lumaro {

namespace {

Variant dayOfHandler(std::vector<Variant>& p) { return dayOf(arg(p, 0).toDate()); }
Variant monthOfHandler(std::vector<Variant>& p) { return monthOf(arg(p, 0).toDate()); }
Variant yearOfHandler(std::vector<Variant>& p) { return yearOf(arg(p, 0).toDate()); }
Variant iifHandler(std::vector<Variant>& p) { return arg(p, 0).toBool() ? arg(p, 1) : arg(p, 2); }
// The aggregates have no handler: the report's own script registers their working forms
// while a report is prepared, and the global forms only tell where they work.
constexpr LibraryHandler aggregateHandler = nullptr;

const LibraryFunction kFunctions[] = {
    {"ctDate", "function DayOf(Date: TDateTime): Integer", dayOfHandler},
    {"ctDate", "function MonthOf(Date: TDateTime): Integer", monthOfHandler},
    {"ctDate", "function YearOf(Date: TDateTime): Integer", yearOfHandler},
    {"ctOther", "function IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant", iifHandler},
    {"ctAggregate", "function SUM(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant", aggregateHandler},
    {"ctAggregate", "function AVG(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant", aggregateHandler},
    {"ctAggregate", "function MIN(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant", aggregateHandler},
    {"ctAggregate", "function MAX(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant", aggregateHandler},
    {"ctAggregate", "function COUNT(Band: Variant = 0; Flags: Integer = 0): Variant", aggregateHandler},
};

// Report units are pixels at 96 per inch; 3.77953 pixels per millimetre. A character cell
// of a dot-matrix page is 9.6 by 17 pixels. crHand, crZoom and crFormat are the report's own
// cursors, numbered above the standard cursor constants (which are 0 and below).
const ConstRow kConsts[] = {
    {"fr01cm", "Extended", 3.77953},  {"fr1cm", "Extended", 37.7953},  {"fr01in", "Extended", 9.6},
    {"fr1in", "Extended", 96.0},      {"fr1CharX", "Extended", 9.6},   {"fr1CharY", "Extended", 17.0},
    {"clTransparent", "Integer", static_cast<int>(clNone)},
    {"crHand", "Integer", 150},       {"crZoom", "Integer", 151},      {"crFormat", "Integer", 152},
};

// Enumerations of the object model, with their element names from the registry's types, so
// that one list serves templates, properties and scripts.
struct ReportEnumRow {
    const char* typeName;
    const char* registryType;  // element type in the registry
    bool isSet;
};
const ReportEnumRow kEnums[] = {
    {"TfrxStretchMode", "TfrxStretchMode", false},
    {"TfrxShiftMode", "TfrxShiftMode", false},
    {"TfrxDuplexMode", "TfrxDuplexMode", false},
    {"TfrxAlign", "TfrxAlign", false},
    {"TfrxFrameStyle", "TfrxFrameStyle", false},
    {"TfrxFrameTypes", "TfrxFrameType", true},
    {"TfrxHAlign", "TfrxHAlign", false},
    {"TfrxVAlign", "TfrxVAlign", false},
    {"TfrxRestrictions", "TfrxRestriction", true},
    {"TfrxShapeKind", "TfrxShapeKind", false},
    {"TfrxPreviewButtons", "TfrxPreviewButton", true},
    {"TfrxZoomMode", "TfrxZoomMode", false},
    {"TfrxPrintPages", "TfrxPrintPages", false},
    {"TfrxDMPFontStyles", "TfrxDMPFontStyle", true},
    {"TfrxRangeBegin", "TfrxRangeBegin", false},
    {"TfrxRangeEnd", "TfrxRangeEnd", false},
    {"TfrxFieldType", "TfrxFieldType", false},
    {"TfrxFormatKind", "TfrxFormatKind", false},
    {"TfrxBarcodeType", "TfrxBarcodeType", false},
};

std::string enumMembers(const ReportEnumRow& row) {
    const EnumType* type = findEnumType(row.registryType);
    if (!type) throw Exception(std::string("Report script library: unknown enumeration ") + row.registryType);
    std::string out;
    for (const std::string& e : type->elements) out += (out.empty() ? "" : ", ") + e;
    return out;
}

}  // namespace

void raiseNotRunning(const std::string& member) {
    throw Exception(member + " works only while a report is being prepared");
}

void raiseNotAvailable(const std::string& member) {
    throw Exception(member + " is not available: the report engine does not provide it yet");
}

void registerReportFunctions(TfsScript& script) {
    registerConsts(script, kConsts);
    for (const ReportEnumRow& row : kEnums) {
        if (row.isSet)
            script.AddEnumSet(row.typeName, enumMembers(row));
        else
            script.AddEnum(row.typeName, enumMembers(row));
    }
    for (const LibraryFunction& f : kFunctions) {
        const LibraryHandler handler = f.handler;
        const std::string name(declaredName(f.declaration));
        script.AddMethod(
            f.declaration,
            [handler, name](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>& p) {
                if (!handler) raiseNotRunning(name);
                return handler(p);
            },
            f.category);
    }
}

}  // namespace lumaro
