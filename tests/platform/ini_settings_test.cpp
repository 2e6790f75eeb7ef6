#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/ini_settings.h"
#include "support/qt_app.h"

using namespace lumaro;

TEST(IniSettings, IniFileKeepsEveryKindOfValue) {
    lumaro::testing::qtApp();
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/designer.ini").toStdString();
    {
        IniSettings ini(path);
        EXPECT_FALSE(ini.isNativeScope());
        ini.writeString("Form.TfrxObjectInspector", "Caption", "Preglednik č");
        ini.writeInteger("Form.TfrxObjectInspector", "SplitPos", 120);
        ini.writeFloat("Preview", "Zoom", 1.25);
        ini.writeBool("Preview", "Outline", true);
    }
    IniSettings ini(path);
    EXPECT_EQ(ini.readString("Form.TfrxObjectInspector", "Caption", ""), "Preglednik č");
    EXPECT_EQ(ini.readInteger("Form.TfrxObjectInspector", "SplitPos", 0), 120);
    EXPECT_DOUBLE_EQ(ini.readFloat("Preview", "Zoom", 0), 1.25);
    EXPECT_TRUE(ini.readBool("Preview", "Outline", false));
    EXPECT_TRUE(ini.sectionExists("Preview"));
    EXPECT_TRUE(ini.valueExists("Preview", "Zoom"));
    EXPECT_EQ(ini.readSection("Preview").size(), 2);

    // Missing or unreadable values give the default.
    EXPECT_EQ(ini.readString("Preview", "Nothing", "def"), "def");
    EXPECT_EQ(ini.readInteger("Form.TfrxObjectInspector", "Caption", 65), 65);
    EXPECT_DOUBLE_EQ(ini.readFloat("Preview", "Nothing", 2.5), 2.5);
    EXPECT_FALSE(ini.readBool("Preview", "Nothing", false));

    ini.deleteKey("Preview", "Zoom");
    EXPECT_FALSE(ini.valueExists("Preview", "Zoom"));
    ini.eraseSection("Preview");
    EXPECT_FALSE(ini.sectionExists("Preview"));
    EXPECT_TRUE(ini.sectionExists("Form.TfrxObjectInspector"));
}

TEST(IniSettings, SoftwareNamesAreNativeScopes) {
    lumaro::testing::qtApp();
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        IniSettings scope("\\Software\\Quillbase");
        EXPECT_TRUE(scope.isNativeScope());
        scope.writeInteger("Preview", "Width", 800);
    }
    {
        IniSettings scope("\\Software\\Acme\\Labels");
        scope.writeString("Designer", "Units", "cm");
    }
    QSettings quillbase(QSettings::NativeFormat, QSettings::UserScope, "Quillbase");
    EXPECT_EQ(quillbase.value("Preview/Width").toString(), "800");
    EXPECT_EQ(IniSettings("\\Software\\Quillbase").readInteger("Preview", "Width", 0), 800);
    EXPECT_EQ(IniSettings("\\software\\acme\\labels").fileName(), IniSettings("\\Software\\acme\\labels").fileName());
    QSettings labels(QSettings::NativeFormat, QSettings::UserScope, "Acme", "Labels");
    EXPECT_EQ(labels.value("Designer/Units").toString(), "cm");
}
