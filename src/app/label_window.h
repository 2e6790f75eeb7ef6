#pragma once
// The label job window: the operator enters the data of one labelling job, chooses the label
// template, and prints ("tiskaj") or designs ("oblika") the labels. The window writes its
// fields as report variables into the report it owns; the template decides the rest.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "app/label_job.h"
#include "report/model/report_host.h"

class QDateEdit;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lumaro {

class NumericEdit;
class TPBJustOne;
class TfrxReport;
class TfrxVariables;
class Tfinfo;

struct LabelWindowOptions {
    // Start the single-instance guard (the program does; tests usually do not).
    bool singleInstance = false;
    // The host of the window's report (the program gives the desktop's; tests usually the
    // headless one).
    ReportHost reportHost;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    using Options = LabelWindowOptions;

    explicit TForm1(Options options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as the window's components.
    QPushButton* etisk = nullptr;      // "tiskaj"
    QPushButton* eoblika = nullptr;    // "oblika"
    QPushButton* epredloga = nullptr;  // "odpri predlogo"
    QPushButton* dxButton4 = nullptr;  // "info"
    QTabWidget* pages = nullptr;
    QLabel* ldat = nullptr;            // the template file
    QGroupBox* dataGroup = nullptr;    // "podatki označevanja"
    QGroupBox* labelsGroup = nullptr;  // "št. etiket"
    QDateEdit* edatum = nullptr;
    NumericEdit* ekos = nullptr;
    QLineEdit* elot = nullptr;
    QLineEdit* ekoda = nullptr;
    NumericEdit* eod = nullptr;
    NumericEdit* edo = nullptr;
    NumericEdit* est = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    TPBJustOne* PBJustOne1 = nullptr;

    // True when another instance was running: it was asked to come to the front and this
    // one must end without showing anything.
    bool anotherInstanceRuns() const;

    // The about window that "info" shows (created by the program start, hidden).
    void setAboutWindow(Tfinfo* about) { about_ = about; }

    // The field contents as the window hands them over.
    LabelJobFields fields() const;

    // The report component the window owns for the whole run (`rep`).
    TfrxReport& report() { return *rep_; }
    TfrxVariables& reportVariables();

    void FormCreate();
    void etiskClick();
    void eoblikaClick();
    void epredlogaClick();
    void dxButton4Click();

    // Runs the open dialog; the chosen file, or nothing when cancelled. Tests replace it.
    std::function<std::optional<QString>()> runOpenDialog;

private:
    void buildButtonBar();
    void buildDataPage();
    void configureReport();
    void fillReport();
    void bringToFront();

    Tfinfo* about_ = nullptr;
    std::unique_ptr<TfrxReport> rep_;
};

}  // namespace lumaro
