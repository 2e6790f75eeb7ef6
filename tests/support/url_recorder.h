#pragma once
// Receives the addresses handed to the desktop's URL handlers while it lives, instead of a
// browser or mail program. A test executable that uses it includes "support/moc_url_recorder.cpp" in
// one of its sources.
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace lumaro::testing {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QStringList schemes = {"http", "https", "mailto"}) : schemes_(std::move(schemes)) {
        for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlRecorder() override {
        for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }

private:
    QStringList schemes_;
};

}  // namespace lumaro::testing
