// ctDate: date-time numbers from their parts and back, the clock, calendar facts.
#include "core/date_time.h"
#include "core/error.h"
#include "script/library/system_functions.h"

namespace lumaro {
namespace {

int integer(const std::vector<Variant>& p, size_t i) { return arg(p, i).toInt(); }

Variant encodeDateFn(std::vector<Variant>& p) {
    return Variant::date(encodeDate(integer(p, 0), integer(p, 1), integer(p, 2)));
}
Variant encodeTimeFn(std::vector<Variant>& p) {
    return Variant::date(encodeTime(integer(p, 0), integer(p, 1), integer(p, 2), integer(p, 3)));
}
Variant decodeDateFn(std::vector<Variant>& p) {
    const DateParts d = decodeDate(arg(p, 0).toDate());
    refArg(p, 1) = d.year;
    refArg(p, 2) = d.month;
    refArg(p, 3) = d.day;
    return {};
}
Variant decodeTimeFn(std::vector<Variant>& p) {
    const TimeParts t = decodeTime(arg(p, 0).toDate());
    refArg(p, 1) = t.hour;
    refArg(p, 2) = t.minute;
    refArg(p, 3) = t.second;
    refArg(p, 4) = t.msec;
    return {};
}
Variant dateFn(std::vector<Variant>&) { return Variant::date(currentDate()); }
Variant timeFn(std::vector<Variant>&) { return Variant::date(currentTime()); }
Variant nowFn(std::vector<Variant>&) { return Variant::date(currentDateTime()); }
Variant dayOfWeekFn(std::vector<Variant>& p) { return dayOfWeek(arg(p, 0).toDate()); }
Variant isLeapYearFn(std::vector<Variant>& p) { return isLeapYear(integer(p, 0)); }
// A month outside 1..12 is a mistake in the script, so it stops the script with a message
// instead of giving a count of 0 days that would go unnoticed.
Variant daysInMonthFn(std::vector<Variant>& p) {
    const int month = integer(p, 1);
    if (month < 1 || month > 12)
        throw EConvertError("DaysInMonth: month " + std::to_string(month) + " is not in the range 1..12");
    return daysInMonth(integer(p, 0), month);
}

const LibraryFunction kFunctions[] = {
    {"ctDate", "function EncodeDate(Year, Month, Day: Word): TDateTime", encodeDateFn},
    {"ctDate", "procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word)", decodeDateFn},
    {"ctDate", "function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime", encodeTimeFn},
    {"ctDate", "procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word)", decodeTimeFn},
    {"ctDate", "function Date: TDateTime", dateFn},
    {"ctDate", "function Time: TDateTime", timeFn},
    {"ctDate", "function Now: TDateTime", nowFn},
    {"ctDate", "function DayOfWeek(aDate: TDateTime): Integer", dayOfWeekFn},
    {"ctDate", "function IsLeapYear(Year: Word): Boolean", isLeapYearFn},
    {"ctDate", "function DaysInMonth(nYear, nMonth: Integer): Integer", daysInMonthFn},
};

}  // namespace

std::span<const LibraryFunction> dateFunctions() { return kFunctions; }

}  // namespace lumaro
