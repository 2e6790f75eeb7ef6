#include "platform/form_localization.h"

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

#include "core/resources.h"
#include "core/text.h"

namespace lumaro {

namespace {

// The tab widget showing `page` as one of its pages, if any.
QTabWidget* owningTabWidget(QWidget* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

bool setCaption(QObject* target, const QString& value) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(value);
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget) return false;
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        menu->setTitle(value);
        return true;
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(value);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(value);
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
        return true;
    }
    if (auto* tabs = owningTabWidget(widget)) {
        tabs->setTabText(tabs->indexOf(widget), value);
        return true;
    }
    if (widget->isWindow() || qobject_cast<QDockWidget*>(widget)) {
        widget->setWindowTitle(value);
        return true;
    }
    return false;
}

bool setText(QObject* target, const QString& value) {
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->setText(value);
        return true;
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) {
        edit->setPlainText(value);
        return true;
    }
    if (auto* edit = qobject_cast<QTextEdit*>(target)) {
        edit->setPlainText(value);
        return true;
    }
    return setCaption(target, value);
}

bool setHint(QObject* target, const QString& value) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setToolTip(value);
        return true;
    }
    if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setToolTip(value);
        return true;
    }
    return false;
}

// A writable QString property whose name is `property` with a lower-case first letter.
bool setStringProperty(QObject* target, std::string_view property, const QString& value) {
    QByteArray name(property.data(), static_cast<qsizetype>(property.size()));
    if (name.isEmpty()) return false;
    name[0] = static_cast<char>(QChar::toLower(static_cast<char16_t>(name[0])));
    const QMetaObject* meta = target->metaObject();
    const int index = meta->indexOfProperty(name.constData());
    if (index < 0) return false;
    const QMetaProperty p = meta->property(index);
    if (!p.isWritable() || p.metaType().id() != QMetaType::QString) return false;
    return p.write(target, value);
}

// Control names are compared without regard to case, as component names are.
QObject* findControl(QObject* window, const std::string& name) {
    for (QObject* child : window->findChildren<QObject*>()) {
        if (sameText(child->objectName().toStdString(), name)) return child;
    }
    return nullptr;
}

}  // namespace

bool setLocalizedProperty(QObject* target, std::string_view property, const QString& value) {
    if (!target) return false;
    if (sameText(property, "Caption")) return setCaption(target, value);
    if (sameText(property, "Text")) return setText(target, value);
    if (sameText(property, "Hint")) return setHint(target, value);
    return setStringProperty(target, property, value);
}

void applyFormLocalization(QObject* window, std::string_view className) {
    if (!window) return;
    for (const auto& line : TfrxResources::instance().FormLocalization(className)) {
        QObject* target = window;
        if (!line.control.empty()) {
            target = findControl(window, line.control);
            if (!target) continue;  // a control this window does not have
        }
        setLocalizedProperty(target, line.property, QString::fromStdString(line.value));
    }
}

}  // namespace lumaro
