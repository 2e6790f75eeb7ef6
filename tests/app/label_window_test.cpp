#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/about_window.h"
#include "app/label_window.h"
#include "app/link_label.h"
#include "app/numeric_edit.h"
#include "app_test_support.h"
#include "core/format_settings.h"
#include "platform/message_box.h"
#include "support/qt_app.h"
#include "support/url_recorder.h"

using namespace lumaro;
using lumaro::testing::variableList;
using Vars = std::vector<std::pair<std::string, std::string>>;

namespace {

class LabelWindowTest : public ::testing::Test {
protected:
    QApplication& app = lumaro::testing::qtApp();
    // A Slovenian system: d.M.yyyy dates, "," decimals, "." thousands.
    ScopedFormatSettings slovenian{FormatSettings::slovenian()};
    ScopedMessageBoxCapture boxes;
    TForm1 w;

    void useMissingTemplate() { w.ldat->setText(QDir::temp().filePath("lumaro-no-such-template.fr3")); }

    // Shows the window and waits until it has the keyboard focus.
    void showActive() {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    std::vector<QString> boxTexts() const {
        std::vector<QString> out;
        for (const auto& r : boxes.shown()) out.push_back(r.text);
        return out;
    }
};

}  // namespace

TEST_F(LabelWindowTest, StartsWithTheStoredValues) {
    EXPECT_EQ(w.windowTitle(), "Lumaro");
    EXPECT_EQ(w.size(), QSize(456, 299));  // no window frame offscreen: all of it is client area
    EXPECT_EQ(w.pos(), QPoint(467, 479));
    EXPECT_EQ(w.etisk->text(), "tiskaj");
    EXPECT_EQ(w.eoblika->text(), "oblika");
    EXPECT_EQ(w.epredloga->text(), "odpri predlogo");
    EXPECT_EQ(w.dxButton4->text(), "info");
    EXPECT_EQ(w.pages->count(), 1);
    EXPECT_EQ(w.dataGroup->title(), QString::fromUtf8("podatki označevanja"));
    EXPECT_EQ(w.labelsGroup->title(), QString::fromUtf8("št. etiket"));
    EXPECT_EQ(w.ldat->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(w.ldat->text(), QDir(QCoreApplication::applicationDirPath()).filePath("koda.fr3"));

    EXPECT_EQ(w.edatum->date(), QDate(2010, 5, 17));
    EXPECT_TRUE(w.edatum->calendarPopup());
    EXPECT_EQ(w.ekos->value(), 10);
    EXPECT_EQ(w.elot->text(), "123");
    EXPECT_EQ(w.ekoda->text(), "3831029301673");
    EXPECT_EQ(w.eod->value(), 10);
    EXPECT_EQ(w.edo->value(), 10);
    EXPECT_EQ(w.est->value(), 8);
    EXPECT_FALSE(w.ekos->hasRange());
    EXPECT_EQ(w.est->minValue(), 1);
    EXPECT_EQ(w.est->maxValue(), 8);

    EXPECT_EQ(w.OpenDialog1->nameFilters(), QStringList{QString::fromUtf8("predloga za označevanje (*.fr3)")});
}

TEST_F(LabelWindowTest, PrintHandsTheInitialFieldsOverAsVariables) {
    useMissingTemplate();
    w.etisk->click();
    const Vars expected = {
        {" Norvik", "<Null>"}, {"datum", "'17.5.2010'"}, {"kos", "10"},  {"lot", "'123'"},
        {"ssccod", "10"},      {"ssccdo", "10"},         {"koda", "'3831029301673'"}, {"st", "8"},
    };
    EXPECT_EQ(variableList(w.reportVariables()), expected);
    EXPECT_EQ(boxTexts(), std::vector<QString>{QString::fromUtf8("Predogled še ni na voljo.")});
}

TEST_F(LabelWindowTest, DesignFillsTheSameVariables) {
    useMissingTemplate();
    w.reportVariables().Set("left over", Variant("1"));  // cleared first
    w.eoblika->click();
    EXPECT_EQ(variableList(w.reportVariables()).size(), 8u);
    EXPECT_EQ(variableList(w.reportVariables())[1], (std::pair<std::string, std::string>{"datum", "'17.5.2010'"}));
    EXPECT_EQ(boxTexts(), std::vector<QString>{QString::fromUtf8("Oblikovalnik še ni na voljo.")});
}

TEST_F(LabelWindowTest, ZeroPiecesAreHandedOverAsEmptyText) {
    useMissingTemplate();
    w.ekos->setValue(0);
    EXPECT_EQ(w.ekos->text(), "0");  // shown as 0, handed over empty
    w.etiskClick();
    EXPECT_EQ(w.reportVariables().Get("kos").toString(), "");
    EXPECT_TRUE(w.reportVariables().Get("kos").toString().empty());
    EXPECT_FALSE(w.reportVariables().Get("kos").isNull());
}

TEST_F(LabelWindowTest, ThousandsAreShownWithSeparatorButHandedOverPlain) {
    useMissingTemplate();
    w.ekos->setValue(1234);
    EXPECT_EQ(w.ekos->text(), "1.234");
    w.etiskClick();
    EXPECT_EQ(w.reportVariables().Get("kos").toString(), "1234");
}

TEST_F(LabelWindowTest, LotWithApostropheStaysOneStringLiteral) {
    useMissingTemplate();
    w.elot->setText("12'3");
    w.etiskClick();
    EXPECT_EQ(w.reportVariables().Get("lot").toString(), "'12''3'");
}

TEST_F(LabelWindowTest, FieldShowsItsEditTextWhileFocused) {
    showActive();
    w.ekos->setValue(1234.5);
    EXPECT_EQ(w.ekos->text(), "1.235");
    w.ekos->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.ekos->text(), "1234,5");
    w.ekos->selectAll();
    QTest::keyClicks(w.ekos, "77.25");  // "." enters the decimal separator
    EXPECT_EQ(w.ekos->text(), "77,25");
    EXPECT_EQ(w.ekos->editText(), "77,25");
    QTest::keyClick(w.ekos, Qt::Key_Tab);
    EXPECT_EQ(w.ekos->value(), 77.25);
    EXPECT_EQ(w.ekos->text(), "77");
    EXPECT_EQ(w.ekos->editText(), "77,25");
}

TEST_F(LabelWindowTest, RefusedKeysLeaveTheTextAlone) {
    showActive();
    w.ekos->setFocus(Qt::TabFocusReason);
    w.ekos->selectAll();
    QTest::keyClicks(w.ekos, "1x2,345");  // a letter and a third decimal are refused
    EXPECT_EQ(w.ekos->text(), "12,34");
    QTest::keyClicks(w.ekos, ",");        // a second separator too
    EXPECT_EQ(w.ekos->text(), "12,34");
    w.ekos->selectAll();
    QTest::keyClicks(w.ekos, "-5");       // a field without range accepts a minus sign
    EXPECT_EQ(w.ekos->text(), "-5");
    QTest::keyClick(w.ekos, Qt::Key_Escape);  // back to the text of the value
    EXPECT_EQ(w.ekos->text(), "10");

    w.est->setFocus(Qt::TabFocusReason);
    w.est->selectAll();
    QTest::keyClicks(w.est, "-3");  // 1 to 8: no minus sign
    EXPECT_EQ(w.est->text(), "3");
}

TEST_F(LabelWindowTest, LabelsPerSheetOutOfRangeKeepsTheFocus) {
    showActive();
    w.est->setFocus(Qt::TabFocusReason);
    w.est->selectAll();
    QTest::keyClicks(w.est, "9");
    QTest::keyClick(w.est, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxTexts(), std::vector<QString>{"Value must be between 1,00 and 8,00"});
    EXPECT_EQ(QApplication::focusWidget(), w.est);
    EXPECT_EQ(w.est->selectedText(), "9");
    EXPECT_EQ(w.est->value(), 8);  // unchanged

    boxes.clear();
    QTest::keyClicks(w.est, "4");
    QTest::keyClick(w.est, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(w.est->value(), 4);
    EXPECT_NE(QApplication::focusWidget(), w.est);
}

TEST_F(LabelWindowTest, OpenTemplateTakesTheChosenFileOnly) {
    const QString before = w.ldat->text();
    w.runOpenDialog = [] { return std::optional<QString>(); };
    w.epredloga->click();
    EXPECT_EQ(w.ldat->text(), before);
    w.runOpenDialog = [] { return std::optional<QString>("/srv/predloge/paleta.fr3"); };
    w.epredloga->click();
    EXPECT_EQ(w.ldat->text(), "/srv/predloge/paleta.fr3");
}

TEST_F(LabelWindowTest, InfoShowsTheAboutWindow) {
    Tfinfo about;
    w.setAboutWindow(&about);
    EXPECT_FALSE(about.isVisible());
    w.dxButton4->click();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.windowTitle(), "o programu");
    EXPECT_EQ(about.size(), QSize(328, 271));

    QList<QUrl> opened;
    for (LinkLabel* link : {about.lwww, about.lemail}) {
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 128, 255));
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    {
        lumaro::testing::UrlRecorder recorder;
        QTest::mouseClick(about.lwww, Qt::LeftButton);
        QTest::mouseClick(about.lemail, Qt::LeftButton);
        opened = recorder.opened;
    }
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].toString(), about.lwww->text());
    EXPECT_EQ(opened[1].toString(), "mailto:" + about.lemail->text());

    about.dxButton1->click();  // "zapri"
    EXPECT_FALSE(about.isVisible());
    w.dxButton4->click();
    EXPECT_TRUE(about.isVisible());
}

#include "support/moc_url_recorder.cpp"
