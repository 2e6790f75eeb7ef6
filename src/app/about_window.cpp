#include "app/about_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/link_label.h"
#include "app/window_geometry.h"
#include "platform/open_url.h"

namespace lumaro {

namespace {

const char kProduct[] = "LUMARO 1.00";
const char kMaker[] = "Lumaro razvojna skupina";
const char kDate[] = "Maj 2010";
const char kWebAddress[] = "https://lumaro.example";
const char kMailAddress[] = "info@lumaro.example";

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

}  // namespace

Tfinfo::Tfinfo(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("finfo");
    setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its main window
    setWindowTitle(QStringLiteral("o programu"));
    setLegacyFont(this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(new QLabel(QStringLiteral("izdelek"), this), 0, 0);
    grid->addWidget(boldLabel(QString::fromUtf8(kProduct), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("izdelal:"), this), 1, 0);
    grid->addWidget(boldLabel(QString::fromUtf8(kMaker), this), 1, 1);
    grid->addWidget(boldLabel(QString::fromUtf8(kDate), this), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("splet:"), this), 3, 0);
    lwww = new LinkLabel(QString::fromUtf8(kWebAddress), this);
    lwww->setObjectName("lwww");
    grid->addWidget(lwww, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("email:"), this), 4, 0);
    lemail = new LinkLabel(QString::fromUtf8(kMailAddress), this);
    lemail->setObjectName("lemail");
    grid->addWidget(lemail, 4, 1);
    grid->setColumnStretch(1, 1);

    dxButton1 = new QPushButton(QStringLiteral("zapri"), this);
    dxButton1->setObjectName("dxButton1");
    dxButton1->setFixedWidth(90);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(dxButton1, 0, Qt::AlignHCenter);

    connect(dxButton1, &QPushButton::clicked, this, &Tfinfo::dxButton1Click);
    connect(lwww, &LinkLabel::clicked, this, &Tfinfo::lwwwClick);
    connect(lemail, &LinkLabel::clicked, this, &Tfinfo::lemailClick);
    setOuterSize(this, QSize(328, 271));
}

void Tfinfo::dxButton1Click() { hide(); }

void Tfinfo::lwwwClick() { openUrl(lwww->text()); }

void Tfinfo::lemailClick() { openUrl(QStringLiteral("mailto:") + lemail->text()); }

}  // namespace lumaro
