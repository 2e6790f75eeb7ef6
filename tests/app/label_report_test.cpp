#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/label_job.h"
#include "app/label_window.h"
#include "app/numeric_edit.h"
#include "app/report_dialogs.h"
#include "app_test_support.h"
#include "core/format_settings.h"
#include "platform/message_box.h"
#include "platform/qt_font_metrics.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "support/qt_app.h"

using namespace lumaro;
using lumaro::testing::variableList;
using Vars = std::vector<std::pair<std::string, std::string>>;

namespace {

// The label window over a real report, with templates written into a temporary folder.
class LabelReportTest : public ::testing::Test {
protected:
    LabelReportTest() { w.report().SetHost(desktopReportHost(std::make_shared<QtFontMetrics>())); }

    QApplication& app = lumaro::testing::qtApp();
    ScopedFormatSettings slovenian{FormatSettings::slovenian()};
    ScopedMessageBoxCapture boxes;
    QTemporaryDir dir;
    TForm1 w;

    // Saves a template whose variables are `variables` (Null for "<Null>") and one page.
    QString writeTemplate(const QString& name, const Vars& variables) {
        TfrxReport report;
        for (const auto& [n, v] : variables) {
            report.Variables().Set(n, v == "<Null>" ? Variant::null() : Variant(v));
        }
        auto* page = new TfrxReportPage();
        page->SetParent(&report);
        page->SetName("Page1");
        const QString path = dir.filePath(name);
        report.SaveToFile(path.toStdString());
        return path;
    }

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }
};

}  // namespace

TEST_F(LabelReportTest, ReportStartsAsTheWindowSetsItUp) {
    TfrxReport& rep = w.report();
    EXPECT_EQ(rep.IniFile(), "\\Software\\Quillbase");
    EXPECT_EQ(rep.PreviewOptions().Buttons(), TfrxPreviewOptions::kAllButtons);
    EXPECT_EQ(rep.PreviewOptions().Zoom(), 1);
    EXPECT_EQ(rep.PrintOptions().Printer(), "Privzeto");
    EXPECT_EQ(rep.ScriptLanguage(), "PascalScript");
    EXPECT_EQ(rep.ScriptText(), (Lines{"begin", "", "end."}));
    EXPECT_FALSE(rep.DotMatrixReport());
    EXPECT_EQ(rep.Variables().Count(), 0);
    EXPECT_TRUE(rep.Objects().empty());
}

TEST_F(LabelReportTest, VariableTheTemplateDefinesKeepsItsPlace) {
    w.ldat->setText(writeTemplate("zaloga.fr3", {{" Zaloga", "<Null>"}, {"KOS", "99"}, {"paleta", "'EUR'"}}));
    w.etisk->click();
    const Vars expected = {
        {" Zaloga", "<Null>"}, {"KOS", "10"},  // its place and its name as stored; the new value
        {"paleta", "'EUR'"},   {" Norvik", "<Null>"}, {"datum", "'17.5.2010'"}, {"lot", "'123'"},
        {"ssccod", "10"},      {"ssccdo", "10"},      {"koda", "'3831029301673'"}, {"st", "8"},
    };
    EXPECT_EQ(variableList(w.reportVariables()), expected);
}

TEST_F(LabelReportTest, ExampleTemplateGetsTheFieldValues) {
    const QString example = QStringLiteral(LUMARO_SOURCE_DIR "/examples/koda.fr3");
    if (!QFile::exists(example)) GTEST_SKIP() << "no example template";
    w.ldat->setText(example);
    w.ekos->setValue(24);
    w.elot->setText("L77");
    w.etisk->click();
    EXPECT_TRUE(boxes.shown().size() == 1) << "only the notice that the preview is not there yet";
    const TfrxVariables& v = w.reportVariables();
    EXPECT_EQ(v.Items(0)->Name(), " Norvik");
    EXPECT_EQ(v.Get("kos").toString(), "24");
    EXPECT_EQ(v.Get("lot").toString(), "'L77'");
    EXPECT_EQ(v.Get("datum").toString(), "'17.5.2010'");
    EXPECT_EQ(v.Count(), 8);
    EXPECT_FALSE(w.report().Objects().empty());
}

TEST_F(LabelReportTest, DeletedTemplatePrintsWithThePreviousOneSilently) {
    const QString path = writeTemplate("prej.fr3", {{"x", "1"}});
    w.ldat->setText(path);
    w.etisk->click();
    ASSERT_EQ(w.report().Objects().size(), 1u);
    QFile::remove(path);
    boxes.clear();
    w.etisk->click();
    EXPECT_EQ(w.report().Objects().size(), 1u);  // the page of the template loaded before
    EXPECT_EQ(variableList(w.reportVariables()).front(), (std::pair<std::string, std::string>{" Norvik", "<Null>"}));
    EXPECT_EQ(w.reportVariables().IndexOf("x"), -1);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].icon, QMessageBox::Information);  // no error, only the notice
}

TEST_F(LabelReportTest, FaultyTemplateIsReportedAndTheWindowStaysUsable) {
    w.ldat->setText(writeFile("pokvarjena.fr3",
                              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TfrxReport Name=\"\">"
                              "<TfrxNoSuchView Name=\"X1\"/></TfrxReport>"));
    w.etisk->click();
    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_EQ(boxes.shown()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(QString::fromUtf8("Nastopila je(so) naslednja(e) napaka(e):")))
        << boxes.shown()[0].text.toStdString();
    EXPECT_TRUE(boxes.shown()[0].text.contains("TfrxNoSuchView"));

    boxes.clear();
    w.ldat->setText(writeFile("ni_xml.fr3", "to ni predloga"));
    w.etisk->click();  // an unreadable file ends the command with a message, not the program
    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_EQ(boxes.shown()[0].icon, QMessageBox::Critical);

    boxes.clear();
    w.ldat->setText(dir.filePath("nothing-here.fr3"));
    w.etisk->click();
    EXPECT_EQ(w.reportVariables().Count(), 8);
}

TEST_F(LabelReportTest, PasswordPromptTexts) {
    const auto dialog = makePasswordDialog(&w);
    EXPECT_EQ(dialog->windowTitle(), "Geslo");
    EXPECT_EQ(dialog->labelText(), "Vnesite geslo:");
    EXPECT_EQ(dialog->textEchoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog->okButtonText(), "V redu");
    EXPECT_EQ(dialog->cancelButtonText(), QString::fromUtf8("Prekliči"));
}

TEST_F(LabelReportTest, ShowAndDesignGoToTheirWindowsWhenPresent) {
    int shown = 0, designed = 0;
    w.report().Host().showReport = [&](TfrxReport& r, bool clearPrepared) {
        EXPECT_EQ(&r, &w.report());
        EXPECT_TRUE(clearPrepared);
        EXPECT_EQ(r.Variables().Get("st").toString(), "8");
        ++shown;
    };
    w.report().Host().openDesigner = [&](TfrxReport& r) {
        EXPECT_EQ(r.Variables().Get("kos").toString(), "10");
        ++designed;
        return false;
    };
    w.ldat->setText(dir.filePath("nothing-here.fr3"));
    w.etisk->click();
    w.eoblika->click();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(designed, 1);
    EXPECT_TRUE(boxes.shown().empty());
}
