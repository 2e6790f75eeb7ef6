#pragma once
// The about window: product, maker, date, web and mail links, and "zapri".
#include <QWidget>

class QPushButton;

namespace lumaro {

class LinkLabel;

class Tfinfo : public QWidget {
    Q_OBJECT
public:
    explicit Tfinfo(QWidget* parent = nullptr);

    LinkLabel* lwww = nullptr;
    LinkLabel* lemail = nullptr;
    QPushButton* dxButton1 = nullptr;

    void dxButton1Click();  // "zapri": hides the window
    void lwwwClick();       // opens the web address
    void lemailClick();     // opens "mailto:" + the mail address
};

}  // namespace lumaro
