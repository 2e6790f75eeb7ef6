#pragma once
// Stored settings under a report's `IniFile` name, used like an INI file (sections with
// string, integer, float and boolean values). A name beginning with "\Software\" is the
// user's native settings scope named after the rest ("\Software\Quillbase" is the scope
// "Quillbase"); any other name is an INI file at that path.
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

namespace lumaro {

class IniSettings {
public:
    explicit IniSettings(const std::string& iniFile);
    ~IniSettings();
    IniSettings(const IniSettings&) = delete;
    IniSettings& operator=(const IniSettings&) = delete;

    // True for the native scope, false for an INI file.
    bool isNativeScope() const { return native_; }
    // Where the values are stored (the file behind the native scope on this platform).
    QString fileName() const;

    std::string readString(const std::string& section, const std::string& ident, const std::string& def) const;
    int readInteger(const std::string& section, const std::string& ident, int def) const;
    double readFloat(const std::string& section, const std::string& ident, double def) const;
    bool readBool(const std::string& section, const std::string& ident, bool def) const;

    void writeString(const std::string& section, const std::string& ident, const std::string& value);
    void writeInteger(const std::string& section, const std::string& ident, int value);
    void writeFloat(const std::string& section, const std::string& ident, double value);
    void writeBool(const std::string& section, const std::string& ident, bool value);

    bool sectionExists(const std::string& section) const;
    bool valueExists(const std::string& section, const std::string& ident) const;
    QStringList readSection(const std::string& section) const;  // the idents of a section
    void eraseSection(const std::string& section);
    void deleteKey(const std::string& section, const std::string& ident);

    // Writes pending changes; also done on destruction.
    void updateFile();

private:
    std::unique_ptr<QSettings> settings_;
    bool native_ = false;
};

}  // namespace lumaro
