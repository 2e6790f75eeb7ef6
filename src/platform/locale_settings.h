#pragma once
// Fills the process-wide FormatSettings from a Qt locale: separators, the short and long date
// and time patterns in the Delphi notation, month and day names, AM/PM texts and currency.
#include <QLocale>
#include <QString>
#include <string>

#include "core/format_settings.h"

namespace lumaro {

// A Qt date/time pattern in the Delphi notation: d dd ddd dddd, M MM MMM MMMM, yy yyyy,
// h hh (Qt's H and h alike), n nn for minutes, s ss, z zzz, AMPM; time zones are dropped;
// literal text that Delphi would read as a specifier is quoted. A literal "/" or ":" that
// differs from the given separator is quoted too, because Delphi replaces those two
// characters by the date and time separators.
std::string delphiDateTimePattern(const QString& qtPattern, const std::string& dateSeparator,
                                  const std::string& timeSeparator);

FormatSettings formatSettingsFromLocale(const QLocale& locale);

// formatSettings() := formatSettingsFromLocale(QLocale::system()).
void loadSystemFormatSettings();

}  // namespace lumaro
