#include "framework/window/Controls.h"

#include "framework/host/Images.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

QColor colourOf(Colour c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

int indexOfText(const QComboBox& box, const QString& text) {
    for (int i = 0; i < box.count(); ++i)
        if (box.itemText(i).trimmed().compare(text.trimmed(), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

} // namespace

Controls::Control* Controls::find(int number) {
    auto it = controls_.find(number);
    return it == controls_.end() || !it->second.Widget ? nullptr : &it->second;
}

const Controls::Control* Controls::find(int number) const {
    auto it = controls_.find(number);
    return it == controls_.end() || !it->second.Widget ? nullptr : &it->second;
}

QWidget* Controls::widget(int number) const {
    const Control* c = find(number);
    return c ? c->Widget.data() : nullptr;
}

int Controls::numberOf(const QObject* object) const {
    for (; object; object = object->parent())
        for (const auto& [number, c] : controls_)
            if (c.Widget == object) return number;
    return 0;
}

std::vector<int> Controls::numbers() const {
    std::vector<int> out;
    for (const auto& [number, c] : controls_)
        if (c.Widget) out.push_back(number);
    return out;
}

void Controls::Display() {
    for (auto& [number, c] : controls_)
        if (c.Variable.isSet()) Display(number);
}

void Controls::Display(int number) {
    Control* c = find(number);
    if (!c || !c->Variable.isSet()) return;
    const Use& v = c->Variable;
    QWidget* w = c->Widget;
    const QSignalBlocker quiet(w);
    switch (c->Kind) {
    case ControlKind::Entry: {
        auto* edit = static_cast<QLineEdit*>(w);
        edit->setText(v.Display(c->Picture));
        edit->setModified(false);
        break;
    }
    case ControlKind::Prompt:
        static_cast<QLabel*>(w)->setText(v.Display(c->Picture));
        break;
    case ControlKind::Check:
        static_cast<QAbstractButton*>(w)->setChecked(v.number() != 0);
        break;
    case ControlKind::Radio:
        static_cast<QAbstractButton*>(w)->setChecked(v.number() == c->RadioValue);
        break;
    case ControlKind::DropList:
    case ControlKind::Combo: {
        auto* box = static_cast<QComboBox*>(w);
        const int index = v.isText() ? indexOfText(*box, v.text()) : int(v.number()) - 1;
        box->setCurrentIndex(index < box->count() ? index : -1);
        if (box->isEditable()) {
            box->setEditText(v.text());
            box->lineEdit()->setModified(false);
        }
        break;
    }
    case ControlKind::Spin:
        static_cast<QSpinBox*>(w)->setValue(int(v.number()));
        break;
    case ControlKind::Text: {
        auto* edit = static_cast<QPlainTextEdit*>(w);
        edit->setPlainText(v.text());
        edit->document()->setModified(false);
        break;
    }
    case ControlKind::List: {
        auto* tree = static_cast<QTreeWidget*>(w);
        tree->setCurrentItem(tree->topLevelItem(int(v.number()) - 1));
        break;
    }
    case ControlKind::Image:
        SetIcon(number, v.text());
        break;
    default:
        break;
    }
}

QString Controls::Value(int number) const {
    const Control* c = find(number);
    if (!c) return {};
    QWidget* w = c->Widget;
    switch (c->Kind) {
    case ControlKind::Entry:
        return static_cast<QLineEdit*>(w)->text();
    case ControlKind::Check:
        return static_cast<QAbstractButton*>(w)->isChecked() ? QStringLiteral("1")
                                                             : QStringLiteral("0");
    case ControlKind::Radio:
        return static_cast<QAbstractButton*>(w)->isChecked() ? QString::number(c->RadioValue)
                                                             : QString();
    case ControlKind::DropList:
    case ControlKind::Combo:
        return static_cast<QComboBox*>(w)->currentText();
    case ControlKind::Spin:
        return QString::number(static_cast<QSpinBox*>(w)->value());
    case ControlKind::Text:
        return static_cast<QPlainTextEdit*>(w)->toPlainText();
    case ControlKind::List:
        return QString::number(Choice(number));
    default:
        return TextOf(number);
    }
}

// Only an edit by the user counts: a variable that the program changed since it was shown
// is never overwritten by the stale text. Choices, ticks and spins are written back as the
// user makes them, so nothing of theirs is pending.
bool Controls::changed(const Control& c) const {
    if (!c.Variable.isSet() || frozen_) return false;
    switch (c.Kind) {
    case ControlKind::Entry:
        return static_cast<QLineEdit*>(c.Widget.data())->isModified();
    case ControlKind::Combo: {
        const QLineEdit* edit = static_cast<QComboBox*>(c.Widget.data())->lineEdit();
        return edit && edit->isModified();
    }
    case ControlKind::Text:
        return static_cast<QPlainTextEdit*>(c.Widget.data())->document()->isModified();
    default:
        return false;
    }
}

bool Controls::fits(const Control& c) const {
    return c.Kind != ControlKind::Entry || c.Variable.Fits(Value(c.Number), c.Picture);
}

void Controls::writeBack(Control& c) {
    Use& v = c.Variable;
    switch (c.Kind) {
    case ControlKind::Entry:
        v.Accept(Value(c.Number), c.Picture);
        break;
    case ControlKind::Check:
        v.setNumber(Value(c.Number) == QLatin1String("1") ? 1 : 0);
        break;
    case ControlKind::Radio:
        v.setNumber(c.RadioValue);
        break;
    case ControlKind::DropList:
    case ControlKind::Combo:
        if (v.isText())
            v.setText(Value(c.Number));
        else
            v.setNumber(Choice(c.Number));
        break;
    case ControlKind::Spin:
    case ControlKind::List:
        v.setNumber(Value(c.Number).toLongLong());
        break;
    case ControlKind::Text:
        v.setText(Value(c.Number));
        break;
    default:
        return;
    }
    Display(c.Number);
}

bool Controls::Accept(int number) {
    Control* c = find(number);
    if (!c || !changed(*c)) return true;
    if (!fits(*c)) return false;
    writeBack(*c);
    return true;
}

int Controls::AcceptAll() {
    for (auto& [number, c] : controls_) {
        if (!c.Widget || !c.Variable.isSet() || !c.Widget->isEnabled() || IsHidden(number))
            continue;
        if (!Accept(number)) return number;
    }
    return 0;
}

void Controls::TakePending() {
    for (auto& [number, c] : controls_)
        if (c.Widget && changed(c) && fits(c)) writeBack(c);
}

// ---- properties ------------------------------------------------------------------------

void Controls::Select(int number) {
    QWidget* w = widget(number);
    if (!w) return;
    focused_ = number;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

void Controls::Enable(int number, bool enabled) {
    if (QWidget* w = widget(number)) w->setEnabled(enabled);
}

void Controls::Hide(int number) {
    Show(number, false);
}

void Controls::Show(int number, bool shown) {
    if (QWidget* w = widget(number)) w->setVisible(shown);
}

bool Controls::IsEnabled(int number) const {
    QWidget* w = widget(number);
    return w && w->isEnabled();
}

bool Controls::IsHidden(int number) const {
    QWidget* w = widget(number);
    return !w || w->isHidden();
}

void Controls::SetText(int number, const QString& text) {
    QWidget* w = widget(number);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        box->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setEditText(text);
}

QString Controls::TextOf(int number) const {
    QWidget* w = widget(number);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title();
    return w ? Value(number) : QString();
}

void Controls::SetTip(int number, const QString& tip) {
    if (QWidget* w = widget(number)) w->setToolTip(tip);
}

QString Controls::TipOf(int number) const {
    QWidget* w = widget(number);
    return w ? w->toolTip() : QString();
}

void Controls::SetColour(int number, Colour text, Colour background) {
    QWidget* w = widget(number);
    if (!w) return;
    QPalette p = w->palette();
    if (text >= 0)
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(role, colourOf(text));
    if (background >= 0) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            p.setColor(role, colourOf(background));
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

// The program's own pictures by name ("CD.ico", "Trffc10a.ico"), else an image file.
void Controls::SetIcon(int number, const QString& file) {
    QWidget* w = widget(number);
    const bool own = Images::has(file);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setIcon(own ? Images::icon(file) : QIcon(file));
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setPixmap(own ? QPixmap::fromImage(Images::image(file, 32)) : QPixmap(file));
}

void Controls::SetChoices(int number, const QStringList& choices) {
    if (auto* box = qobject_cast<QComboBox*>(widget(number))) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(choices);
        box->setCurrentIndex(-1);
        Display(number);
    }
}

int Controls::Choice(int number) const {
    QWidget* w = widget(number);
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentIndex() + 1;
    if (auto* tree = qobject_cast<QTreeWidget*>(w))
        return tree->currentItem() ? tree->indexOfTopLevelItem(tree->currentItem()) + 1 : 0;
    if (auto* sheet = qobject_cast<QTabWidget*>(w)) return sheet->currentIndex() + 1;
    return 0;
}

void Controls::SetChoice(int number, int choice) {
    QWidget* w = widget(number);
    const QSignalBlocker quiet(w);
    if (auto* box = qobject_cast<QComboBox*>(w))
        box->setCurrentIndex(choice - 1);
    else if (auto* tree = qobject_cast<QTreeWidget*>(w))
        tree->setCurrentItem(tree->topLevelItem(choice - 1));
    else if (auto* sheet = qobject_cast<QTabWidget*>(w))
        sheet->setCurrentIndex(choice - 1);
}

void Controls::Alert(int keyCode, int control) {
    alerts_.insert({control, keyCode});
}

bool Controls::IsAlert(int keyCode, int control) const {
    return alerts_.count({control, keyCode}) || alerts_.count({0, keyCode});
}
