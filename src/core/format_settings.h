#pragma once
// Locale settings used by every conversion between numbers, dates and text. The Qt layer
// fills the process-wide settings from the system locale at start; tests set them explicitly.
#include <array>
#include <string>

namespace lumaro {

struct FormatSettings {
    // Separators are single characters, held as UTF-8 text.
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    // Date and time patterns in the Delphi notation (d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss).
    std::string shortDateFormat = "M/d/yyyy";
    std::string longDateFormat = "dddd, MMMM d, yyyy";
    std::string shortTimeFormat = "h:mm AMPM";
    std::string longTimeFormat = "h:mm:ss AMPM";
    std::string timeAMString = "AM";
    std::string timePMString = "PM";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",
                                               "May",     "June",     "July",      "August",
                                               "September", "October", "November", "December"};
    // Sunday first, as DayOfWeek counts.
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::string currencyString = "$";
    int currencyFormat = 0;     // 0: $1  1: 1$  2: $ 1  3: 1 $
    int negCurrFormat = 0;      // the sixteen negative currency layouts
    int currencyDecimals = 2;
    int twoDigitYearCenturyWindow = 50;

    // Settings of an English (United States) system: the values above.
    static FormatSettings english();
    // Settings of a Slovenian system: "," decimal, "." thousands, d.M.yyyy, HH:mm:ss.
    static FormatSettings slovenian();
};

// The process-wide settings every conversion uses unless it is given its own.
FormatSettings& formatSettings();

// Sets the process-wide settings for the lifetime of the object and restores them after.
class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(const FormatSettings& s);
    ~ScopedFormatSettings();
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

private:
    FormatSettings saved_;
};

}  // namespace lumaro
