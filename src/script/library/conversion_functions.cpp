// ctConv and ctFormat: values to text and back, and the picture formats.
#include "core/date_parse.h"
#include "core/date_time.h"
#include "core/format_float.h"
#include "core/format_text.h"
#include "core/mask_text.h"
#include "core/number_text.h"
#include "script/library/system_functions.h"

namespace lumaro {
namespace {

std::string text(const std::vector<Variant>& p, size_t i) { return arg(p, i).toString(); }

Variant intToStrFn(std::vector<Variant>& p) { return intToStr(arg(p, 0).toInt()); }
Variant floatToStrFn(std::vector<Variant>& p) { return floatToStr(arg(p, 0).toDouble()); }
Variant dateToStrFn(std::vector<Variant>& p) { return dateToStr(arg(p, 0).toDate()); }
Variant timeToStrFn(std::vector<Variant>& p) { return timeToStr(arg(p, 0).toDate()); }
Variant dateTimeToStrFn(std::vector<Variant>& p) { return dateTimeToStr(arg(p, 0).toDate()); }
Variant varToStrFn(std::vector<Variant>& p) { return arg(p, 0).toString(); }
Variant strToIntFn(std::vector<Variant>& p) { return strToInt(text(p, 0)); }
Variant strToFloatFn(std::vector<Variant>& p) { return strToFloat(text(p, 0)); }
Variant strToDateFn(std::vector<Variant>& p) { return Variant::date(strToDate(text(p, 0))); }
Variant strToTimeFn(std::vector<Variant>& p) { return Variant::date(strToTime(text(p, 0))); }
Variant strToDateTimeFn(std::vector<Variant>& p) { return Variant::date(strToDateTime(text(p, 0))); }

// The argument list of Format arrives as a Variant array (a set constructor in the script);
// a single value stands for a list of one.
Variant formatFn(std::vector<Variant>& p) {
    const Variant& args = arg(p, 1);
    if (args.isArray()) return format(text(p, 0), args.arrayData().items);
    if (args.isEmpty()) return format(text(p, 0), {});
    return format(text(p, 0), std::span<const Variant>(&args, 1));
}
Variant formatFloatFn(std::vector<Variant>& p) { return formatFloat(text(p, 0), arg(p, 1).toDouble()); }
Variant formatDateTimeFn(std::vector<Variant>& p) { return formatDateTime(text(p, 0), arg(p, 1).toDate()); }
Variant formatMaskTextFn(std::vector<Variant>& p) { return formatMaskText(text(p, 0), text(p, 1)); }

const LibraryFunction kFunctions[] = {
    {"ctConv", "function IntToStr(i: Integer): String", intToStrFn},
    {"ctConv", "function FloatToStr(e: Extended): String", floatToStrFn},
    {"ctConv", "function DateToStr(e: Extended): String", dateToStrFn},
    {"ctConv", "function TimeToStr(e: Extended): String", timeToStrFn},
    {"ctConv", "function DateTimeToStr(e: Extended): String", dateTimeToStrFn},
    {"ctConv", "function VarToStr(v: Variant): String", varToStrFn},
    {"ctConv", "function StrToInt(s: String): Integer", strToIntFn},
    {"ctConv", "function StrToFloat(s: String): Extended", strToFloatFn},
    {"ctConv", "function StrToDate(s: String): Extended", strToDateFn},
    {"ctConv", "function StrToTime(s: String): Extended", strToTimeFn},
    {"ctConv", "function StrToDateTime(s: String): Extended", strToDateTimeFn},
    {"ctFormat", "function Format(Fmt: String; Args: array): String", formatFn},
    {"ctFormat", "function FormatFloat(Fmt: String; Value: Extended): String", formatFloatFn},
    {"ctFormat", "function FormatDateTime(Fmt: String; DateTime: TDateTime): String", formatDateTimeFn},
    {"ctFormat", "function FormatMaskText(EditMask: string; Value: string): string", formatMaskTextFn},
};

}  // namespace

std::span<const LibraryFunction> conversionFunctions() { return kFunctions; }

}  // namespace lumaro
