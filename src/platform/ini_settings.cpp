#include "platform/ini_settings.h"

#include <QLocale>

#include "core/text.h"

namespace lumaro {

namespace {

const char kNativePrefix[] = "\\Software\\";

QString key(const std::string& section, const std::string& ident) {
    return QString::fromStdString(section) + u'/' + QString::fromStdString(ident);
}

}  // namespace

IniSettings::IniSettings(const std::string& iniFile) {
    if (startsWithText(iniFile, kNativePrefix)) {
        // "\Software\Org\App" is the scope of application "App" of organisation "Org".
        const QStringList parts =
            QString::fromStdString(iniFile.substr(sizeof(kNativePrefix) - 1)).split(u'\\', Qt::SkipEmptyParts);
        const QString organization = parts.value(0, QStringLiteral("Lumaro"));
        const QString application = parts.mid(1).join(u'/');
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization,
                                                application);
        native_ = true;
    } else {
        settings_ = std::make_unique<QSettings>(QString::fromStdString(iniFile), QSettings::IniFormat);
    }
}

IniSettings::~IniSettings() { settings_->sync(); }

QString IniSettings::fileName() const { return settings_->fileName(); }

std::string IniSettings::readString(const std::string& section, const std::string& ident,
                                    const std::string& def) const {
    const QVariant v = settings_->value(key(section, ident));
    return v.isValid() ? v.toString().toStdString() : def;
}

int IniSettings::readInteger(const std::string& section, const std::string& ident, int def) const {
    bool ok = false;
    const int v = settings_->value(key(section, ident)).toString().trimmed().toInt(&ok);
    return ok ? v : def;
}

double IniSettings::readFloat(const std::string& section, const std::string& ident, double def) const {
    const QString text = settings_->value(key(section, ident)).toString().trimmed();
    bool ok = false;
    double v = text.toDouble(&ok);
    if (!ok) v = QLocale::system().toDouble(text, &ok);  // written elsewhere with the locale's separator
    return ok ? v : def;
}

bool IniSettings::readBool(const std::string& section, const std::string& ident, bool def) const {
    const QString text = settings_->value(key(section, ident)).toString().trimmed();
    if (text.isEmpty()) return def;
    bool ok = false;
    const int v = text.toInt(&ok);
    if (ok) return v != 0;
    if (text.compare(u"true", Qt::CaseInsensitive) == 0) return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0) return false;
    return def;
}

void IniSettings::writeString(const std::string& section, const std::string& ident, const std::string& value) {
    settings_->setValue(key(section, ident), QString::fromStdString(value));
}

void IniSettings::writeInteger(const std::string& section, const std::string& ident, int value) {
    settings_->setValue(key(section, ident), QString::number(value));
}

void IniSettings::writeFloat(const std::string& section, const std::string& ident, double value) {
    settings_->setValue(key(section, ident), QString::number(value, 'g', 17));
}

void IniSettings::writeBool(const std::string& section, const std::string& ident, bool value) {
    settings_->setValue(key(section, ident), value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniSettings::sectionExists(const std::string& section) const {
    return settings_->childGroups().contains(QString::fromStdString(section));
}

bool IniSettings::valueExists(const std::string& section, const std::string& ident) const {
    return settings_->contains(key(section, ident));
}

QStringList IniSettings::readSection(const std::string& section) const {
    settings_->beginGroup(QString::fromStdString(section));
    QStringList keys = settings_->childKeys();
    settings_->endGroup();
    return keys;
}

void IniSettings::eraseSection(const std::string& section) { settings_->remove(QString::fromStdString(section)); }

void IniSettings::deleteKey(const std::string& section, const std::string& ident) {
    settings_->remove(key(section, ident));
}

void IniSettings::updateFile() { settings_->sync(); }

}  // namespace lumaro
