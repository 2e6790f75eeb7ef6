#include "core/format_settings.h"

namespace lumaro {

FormatSettings FormatSettings::english() { return FormatSettings{}; }

FormatSettings FormatSettings::slovenian() {
    FormatSettings s;
    s.decimalSeparator = ",";
    s.thousandSeparator = ".";
    s.dateSeparator = ".";
    s.timeSeparator = ":";
    s.shortDateFormat = "d.M.yyyy";
    s.longDateFormat = "d. MMMM yyyy";
    s.shortTimeFormat = "H:mm";
    s.longTimeFormat = "H:mm:ss";
    s.timeAMString = "";
    s.timePMString = "";
    s.shortMonthNames = {"jan.", "feb.", "mar.", "apr.", "maj", "jun.",
                         "jul.", "avg.", "sep.", "okt.", "nov.", "dec."};
    s.longMonthNames = {"januar", "februar", "marec",     "april",   "maj",      "junij",
                        "julij",  "avgust",  "september", "oktober", "november", "december"};
    s.shortDayNames = {"ned.", "pon.", "tor.", "sre.", "čet.", "pet.", "sob."};
    s.longDayNames = {"nedelja", "ponedeljek", "torek", "sreda", "četrtek", "petek", "sobota"};
    s.currencyString = "€";
    s.currencyFormat = 3;
    s.negCurrFormat = 8;
    s.currencyDecimals = 2;
    return s;
}

FormatSettings& formatSettings() {
    static FormatSettings settings;
    return settings;
}

ScopedFormatSettings::ScopedFormatSettings(const FormatSettings& s) : saved_(formatSettings()) {
    formatSettings() = s;
}

ScopedFormatSettings::~ScopedFormatSettings() { formatSettings() = saved_; }

}  // namespace lumaro
