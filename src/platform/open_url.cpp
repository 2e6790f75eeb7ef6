#include "platform/open_url.h"

#include <QDesktopServices>
#include <QUrl>

namespace lumaro {

bool openUrl(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty()) return false;
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) url = QUrl::fromUserInput(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace lumaro
