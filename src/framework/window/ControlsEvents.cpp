#include "framework/window/Controls.h"

#include "framework/window/Keys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

// Widget signals become the window's events. A value the user changed is written back
// before its Accepted event; one that does not fit its picture gives Rejected instead.
void Controls::connectSignals(Control& c) {
    const int n = c.Number;
    QWidget* w = c.Widget;
    w->installEventFilter(this);
    switch (c.Kind) {
    case ControlKind::Entry:
        QObject::connect(static_cast<QLineEdit*>(w), &QLineEdit::editingFinished, this, [this, n] {
            if (Control* c = find(n)) acceptEdited(*c);
        });
        break;
    case ControlKind::Button:
        QObject::connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                         [this, n] { post(EventKind::Accepted, n); });
        break;
    case ControlKind::Check:
    case ControlKind::Radio:
        QObject::connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                         [this, n] {
                             if (Control* c = find(n)) acceptChoice(*c, false);
                         });
        break;
    case ControlKind::DropList:
    case ControlKind::Combo: {
        auto* box = static_cast<QComboBox*>(w);
        QObject::connect(box, &QComboBox::activated, this, [this, n] {
            if (Control* c = find(n)) acceptChoice(*c, true);
        });
        if (box->lineEdit())
            QObject::connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, n] {
                if (Control* c = find(n)) acceptEdited(*c);
            });
        break;
    }
    case ControlKind::Spin:
        QObject::connect(static_cast<QSpinBox*>(w), &QSpinBox::valueChanged, this, [this, n] {
            if (Control* c = find(n)) acceptChoice(*c, false);
        });
        break;
    case ControlKind::Sheet:
        QObject::connect(static_cast<QTabWidget*>(w), &QTabWidget::currentChanged, this,
                         [this, n] { post(EventKind::NewSelection, n); });
        break;
    case ControlKind::List: {
        auto* tree = static_cast<QTreeWidget*>(w);
        QObject::connect(tree, &QTreeWidget::currentItemChanged, this, [this, n] {
            if (Control* c = find(n)) {
                if (c->Variable.isSet() && !frozen_) writeBack(*c);
                post(EventKind::NewSelection, n);
            }
        });
        QObject::connect(tree, &QTreeWidget::itemActivated, this,
                         [this, n] { post(EventKind::Accepted, n); });
        break;
    }
    default:
        break;
    }
}

// Text the user edited: Accepted after the value was written back, Rejected when it does
// not fit. Unedited text says nothing.
void Controls::acceptEdited(Control& c) {
    if (!c.Variable.isSet()) {
        auto* edit = qobject_cast<QLineEdit*>(c.Widget.data());
        if (edit && edit->isModified() && !frozen_) {
            edit->setModified(false);
            post(EventKind::Accepted, c.Number);
        }
        return;
    }
    if (!changed(c)) return;
    if (!fits(c)) {
        post(EventKind::Rejected, c.Number);
        return;
    }
    writeBack(c);
    post(EventKind::Accepted, c.Number);
}

// A choice, tick or spin the user made: written back at once, then Accepted.
void Controls::acceptChoice(Control& c, bool newSelection) {
    if (frozen_) return;
    if (c.Variable.isSet()) writeBack(c);
    if (newSelection) post(EventKind::NewSelection, c.Number);
    post(EventKind::Accepted, c.Number);
}

bool Controls::eventFilter(QObject* watched, QEvent* event) {
    const int n = numberOf(watched);
    Control* c = find(n);
    if (!c) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (c->Widget == watched) {
            focused_ = n;
            post(EventKind::Selected, n);
        }
        break;
    case QEvent::FocusOut:
        if (c->Kind == ControlKind::Text) acceptEdited(*c);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        return takeKey(*c, key->key(), key->modifiers());
    }
    default:
        break;
    }
    return false;
}

// Alert keys go to the window; Enter presses the default button after the field was
// taken; Esc asks the window to close.
bool Controls::takeKey(Control& c, int qtKey, Qt::KeyboardModifiers modifiers) {
    const int code = Keys::fromQt(qtKey, modifiers);
    if (code != 0 && IsAlert(code, c.Number)) {
        post_(controlEvent(EventKind::AlertKey, c.Number, code));
        return true;
    }
    if (code == Keys::Esc) {
        post_(windowEvent(EventKind::CloseWindow));
        return true;
    }
    if (code == Keys::Enter && defaultButton_ && c.Kind != ControlKind::Text &&
        c.Kind != ControlKind::Button && IsEnabled(defaultButton_)) {
        if (auto* box = qobject_cast<QComboBox*>(c.Widget.data()); box && box->view()->isVisible())
            return false;
        if (c.Variable.isSet() && changed(c)) {
            if (!fits(c)) {
                post(EventKind::Rejected, c.Number);
                return true;
            }
            writeBack(c);
            post(EventKind::Accepted, c.Number);
        }
        post(EventKind::Accepted, defaultButton_);
        return true;
    }
    return false;
}
