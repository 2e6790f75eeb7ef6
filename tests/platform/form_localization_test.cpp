#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include "core/resources.h"
#include "platform/form_localization.h"
#include "support/qt_app.h"

using namespace lumaro;

namespace {

struct SampleWindow {
    QWidget window;
    QPushButton* print = new QPushButton(&window);
    QLabel* label = new QLabel(&window);
    QGroupBox* group = new QGroupBox(&window);
    QLineEdit* edit = new QLineEdit(group);  // nested: found below its group box
    QTabWidget* tabs = new QTabWidget(&window);
    QWidget* page = new QWidget;
    QAction* action = new QAction(&window);

    SampleWindow() {
        print->setObjectName("PrintB");
        label->setObjectName("NameL");
        group->setObjectName("OptionsGB");
        edit->setObjectName("ValueE");
        page->setObjectName("DataTab");
        tabs->addTab(page, "page");
        action->setObjectName("SaveCmd");
    }
};

}  // namespace

TEST(FormLocalization, LinesSetWindowAndControlTexts) {
    lumaro::testing::qtApp();
    TfrxResources::instance().Add("TSampleLocalizedForm",
                                  "Caption=Predogled\n"
                                  "PrintB.Caption=Natisni\n"
                                  "PrintB.Hint=Natisni stran\n"
                                  "namel.caption=Ime:\n"       // names and properties ignore case
                                  "OptionsGB.Caption=Možnosti\n"
                                  "ValueE.Text=10\n"
                                  "DataTab.Caption=Podatki\n"
                                  "SaveCmd.Caption=Shrani\n"
                                  "SaveCmd.Hint=Shrani poročilo\n"
                                  "Missing.Caption=never\n"     // unknown control: skipped
                                  "PrintB.Bogus=never\n"        // unknown property: skipped
                                  "ValueE.PlaceholderText=vnesi");
    SampleWindow w;
    applyFormLocalization(&w.window, "TSampleLocalizedForm");
    EXPECT_EQ(w.window.windowTitle(), "Predogled");
    EXPECT_EQ(w.print->text(), "Natisni");
    EXPECT_EQ(w.print->toolTip(), "Natisni stran");
    EXPECT_EQ(w.label->text(), "Ime:");
    EXPECT_EQ(w.group->title(), QString::fromUtf8("Možnosti"));
    EXPECT_EQ(w.edit->text(), "10");
    EXPECT_EQ(w.edit->placeholderText(), "vnesi");
    EXPECT_EQ(w.tabs->tabText(0), "Podatki");
    EXPECT_EQ(w.action->text(), "Shrani");
    EXPECT_EQ(w.action->toolTip(), QString::fromUtf8("Shrani poročilo"));
}

TEST(FormLocalization, WindowWithoutLinesIsUnchanged) {
    lumaro::testing::qtApp();
    SampleWindow w;
    w.window.setWindowTitle("own");
    applyFormLocalization(&w.window, "TNoSuchForm");
    EXPECT_EQ(w.window.windowTitle(), "own");
    EXPECT_EQ(w.print->text(), "");
}

TEST(FormLocalization, BuiltInPreviewLinesFitThePreviewControls) {
    lumaro::testing::qtApp();
    SampleWindow w;
    applyFormLocalization(&w.window, "TfrxPreviewForm");
    EXPECT_EQ(w.window.windowTitle(), "Predogled");
    EXPECT_EQ(w.print->text(), "Natisni");
}
