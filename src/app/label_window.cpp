#include "app/label_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/about_window.h"
#include "app/numeric_edit.h"
#include "app/single_instance.h"
#include "app/window_geometry.h"
#include "core/date_time.h"
#include "platform/message_box.h"
#include "core/resources.h"
#include "platform/guarded_call.h"
#include "report/model/report.h"
#include "report/model/report_types.h"

namespace lumaro {

namespace {

const QDate kInitialDate(2010, 5, 17);
const char kTemplateFileName[] = "koda.fr3";
const char kTemplateFilter[] = "predloga za označevanje (*.fr3)";

QString u8(const char* text) { return QString::fromUtf8(text); }

// The system's short date pattern, with the year always in four digits so that editing a
// date never moves it into another century.
QString shortDateDisplayPattern() {
    QString pattern = QLocale().dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QStringLiteral("yyyy"))) pattern.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return pattern;
}

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

NumericEdit* numericField(QWidget* parent, const char* name, double value) {
    auto* edit = named(new NumericEdit(parent), name);
    edit->setValue(value);
    edit->setFixedWidth(80);
    return edit;
}

}  // namespace

TForm1::TForm1(Options options, QWidget* parent) : QWidget(parent), rep_(std::make_unique<TfrxReport>()) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Lumaro"));
    setLegacyFont(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildButtonBar();
    buildDataPage();
    configureReport();
    rep_->SetHost(std::move(options.reportHost));

    OpenDialog1 = named(new QFileDialog(this), "OpenDialog1");
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setNameFilter(u8(kTemplateFilter));
    runOpenDialog = [this]() -> std::optional<QString> {
        if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty()) return std::nullopt;
        return OpenDialog1->selectedFiles().first();
    };

    // The guard comes last: a second instance ends before anything is shown.
    if (options.singleInstance) {
        PBJustOne1 = named(new TPBJustOne(this), "PBJustOne1");
        connect(PBJustOne1, &TPBJustOne::activationRequested, this, &TForm1::bringToFront);
    }

    move(467, 479);
    setOuterSize(this, QSize(456, 299));
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildButtonBar() {
    auto* bar = named(new QWidget(this), "ToolBar");
    bar->setFixedHeight(29);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    etisk = named(new QPushButton(QStringLiteral("tiskaj"), bar), "etisk");
    eoblika = named(new QPushButton(QStringLiteral("oblika"), bar), "eoblika");
    epredloga = named(new QPushButton(QStringLiteral("odpri predlogo"), bar), "epredloga");
    dxButton4 = named(new QPushButton(QStringLiteral("info"), bar), "dxButton4");
    for (QPushButton* b : {etisk, eoblika, epredloga, dxButton4}) {
        b->setFixedHeight(25);
        b->setMinimumWidth(75);
        b->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus in the field being edited
    }
    row->addWidget(etisk);
    row->addWidget(eoblika);
    row->addWidget(epredloga);
    row->addStretch(1);
    row->addWidget(dxButton4);  // stays at the right edge when the window is resized
    static_cast<QVBoxLayout*>(layout())->addWidget(bar);

    connect(etisk, &QPushButton::clicked, this, &TForm1::etiskClick);
    connect(eoblika, &QPushButton::clicked, this, &TForm1::eoblikaClick);
    connect(epredloga, &QPushButton::clicked, this, &TForm1::epredlogaClick);
    connect(dxButton4, &QPushButton::clicked, this, &TForm1::dxButton4Click);
}

void TForm1::buildDataPage() {
    pages = named(new QTabWidget(this), "PageControl1");
    auto* page = named(new QWidget(pages), "TabSheet1");
    pages->addTab(page, QStringLiteral("podatki etikete"));
    static_cast<QVBoxLayout*>(layout())->addWidget(pages, 1);

    ldat = named(new QLabel(page), "ldat");
    QPalette green = ldat->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    ldat->setPalette(green);
    ldat->setTextInteractionFlags(Qt::TextSelectableByMouse);

    dataGroup = named(new QGroupBox(u8("podatki označevanja"), page), "GroupBox1");
    edatum = named(new QDateEdit(kInitialDate, dataGroup), "edatum");
    edatum->setCalendarPopup(true);
    edatum->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    edatum->setDisplayFormat(shortDateDisplayPattern());
    edatum->setFixedWidth(100);
    ekos = numericField(dataGroup, "ekos", 10);
    elot = named(new QLineEdit(QStringLiteral("123"), dataGroup), "elot");
    ekoda = named(new QLineEdit(QStringLiteral("3831029301673"), dataGroup), "ekoda");
    eod = numericField(dataGroup, "eod", 10);
    edo = numericField(dataGroup, "edo", 10);

    auto* grid = new QGridLayout(dataGroup);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const auto caption = [&](const char* text, int row) {
        grid->addWidget(new QLabel(u8(text), dataGroup), row, 0);
    };
    caption("datum proizvodnje", 0);
    grid->addWidget(edatum, 0, 1, Qt::AlignLeft);
    caption("število kosov", 1);
    grid->addWidget(ekos, 1, 1, Qt::AlignLeft);
    caption("oznaka serije", 2);
    grid->addWidget(elot, 2, 1);
    caption("črtna koda izdelka", 3);
    grid->addWidget(ekoda, 3, 1);
    caption("sscc koda", 4);
    auto* range = new QHBoxLayout;
    range->setSpacing(4);
    range->addWidget(new QLabel(QStringLiteral("OD"), dataGroup));
    range->addWidget(eod);
    range->addSpacing(6);
    range->addWidget(new QLabel(QStringLiteral("DO:"), dataGroup));
    range->addWidget(edo);
    range->addStretch(1);
    grid->addLayout(range, 4, 1);
    grid->setColumnStretch(1, 1);

    labelsGroup = named(new QGroupBox(u8("št. etiket"), page), "GroupBox2");
    est = numericField(labelsGroup, "est", 8);
    est->setRange(1, 8);
    est->setFixedWidth(60);
    auto* labelsLayout = new QVBoxLayout(labelsGroup);
    labelsLayout->setContentsMargins(8, 6, 8, 8);
    labelsLayout->addWidget(est);

    auto* right = new QVBoxLayout;
    right->addWidget(labelsGroup);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(dataGroup, 1);
    columns->addLayout(right);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(8, 6, 8, 8);
    pageLayout->setSpacing(6);
    pageLayout->addWidget(ldat);
    pageLayout->addLayout(columns);
    pageLayout->addStretch(1);

    setTabOrder(edatum, ekos);
    setTabOrder(ekos, elot);
    setTabOrder(elot, ekoda);
    setTabOrder(ekoda, eod);
    setTabOrder(eod, edo);
    setTabOrder(edo, est);
}

bool TForm1::anotherInstanceRuns() const { return PBJustOne1 && PBJustOne1->anotherInstanceRuns(); }

LabelJobFields TForm1::fields() const {
    const QDate d = edatum->date();
    LabelJobFields f;
    f.productionDate = encodeDate(d.year(), d.month(), d.day());
    f.pieces = ekos->editText();
    f.lot = elot->text().toStdString();
    f.productCode = ekoda->text().toStdString();
    f.ssccFrom = eod->editText();
    f.ssccTo = edo->editText();
    f.labelsPerSheet = est->editText();
    return f;
}

void TForm1::FormCreate() {
    ldat->setText(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kTemplateFileName)));
}

void TForm1::configureReport() {
    TfrxReport& rep = *rep_;
    rep.SetIniFile("\\Software\\Quillbase");
    rep.PreviewOptions().SetButtons(TfrxPreviewOptions::kAllButtons);
    rep.PreviewOptions().SetZoom(1);
    rep.PrintOptions().SetPrinter(frxGet("prDefault"));
    rep.SetScriptLanguage("PascalScript");
    rep.SetScriptText({"begin", "", "end."});
    rep.SetDotMatrixReport(false);
}

TfrxVariables& TForm1::reportVariables() { return rep_->Variables(); }

void TForm1::fillReport() { fillLabelReport(*rep_, ldat->text().toStdString(), fields()); }

void TForm1::etiskClick() {
    runGuarded(this, [this] {
        fillReport();
        if (rep_->Host().showReport) rep_->ShowReport(true);
        else showInformation(this, "Predogled še ni na voljo.");
    });
}

void TForm1::eoblikaClick() {
    runGuarded(this, [this] {
        fillReport();
        if (rep_->Host().openDesigner) rep_->OpenDesigner();
        else showInformation(this, "Oblikovalnik še ni na voljo.");
    });
}

void TForm1::epredlogaClick() {
    if (const auto chosen = runOpenDialog()) ldat->setText(QDir::toNativeSeparators(QFileInfo(*chosen).absoluteFilePath()));
}

void TForm1::dxButton4Click() {
    if (!about_) return;
    about_->show();
    about_->raise();
}

void TForm1::bringToFront() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    // A dialog that was active stays in front of the window.
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        if (dialog->isMinimized()) dialog->showNormal();
        dialog->raise();
        dialog->activateWindow();
    }
}

}  // namespace lumaro
