#pragma once
// Opens a web address or a "mailto:" address with the desktop's handler for it.
#include <QString>

namespace lumaro {

// An address without a scheme is read as a web address ("www.example.org").
// Returns false when no handler took it.
bool openUrl(const QString& address);

}  // namespace lumaro
