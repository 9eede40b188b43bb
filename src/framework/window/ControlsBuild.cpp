#include "framework/window/Controls.h"

#include "framework/Pictures.h"
#include "framework/window/Requests.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// A spin box that shows its value through a picture: a date steps by days, a size in
// kilobytes by tenths. Without a picture it shows plain digits.
class PictureSpinBox : public QSpinBox {
public:
    explicit PictureSpinBox(QWidget* parent) : QSpinBox(parent) { setKeyboardTracking(false); }

    void setPicture(const QString& picture) {
        picture_ = picture;
        update();
    }
    void setScale(int scale) { scale_ = scale; }

protected:
    QString textFromValue(int value) const override {
        return picture_.isEmpty() ? QSpinBox::textFromValue(value)
                                  : Pictures::format(value, picture_, scale_);
    }
    int valueFromText(const QString& text) const override {
        if (picture_.isEmpty()) return QSpinBox::valueFromText(text);
        return int(Pictures::parse(text, picture_, scale_).value_or(value()));
    }
    QValidator::State validate(QString& text, int& position) const override {
        if (picture_.isEmpty()) return QSpinBox::validate(text, position);
        const auto value = Pictures::parse(text, picture_, scale_);
        if (!value) return QValidator::Intermediate;
        return *value >= minimum() && *value <= maximum() ? QValidator::Acceptable
                                                          : QValidator::Intermediate;
    }

private:
    QString picture_;
    int scale_ = 0;
};

} // namespace

Controls::Controls(QWidget& content, QGridLayout& grid,
                   std::function<void(const WindowEvent&)> post)
    : content_(content), grid_(grid), post_(std::move(post)) {}

Controls::~Controls() = default;

ControlRef Controls::add(int number, ControlKind kind, QWidget* widget) {
    Control& c = controls_[number];
    if (c.Widget) delete c.Widget.data(); // a number added twice replaces the control
    c = Control{};
    c.Number = number;
    c.Kind = kind;
    c.Widget = widget;
    widget->setObjectName(QStringLiteral("control%1").arg(number));
    place(c);
    connectSignals(c);
    takePrompt(c);
    return ControlRef(*this, c);
}

// A prompt's "&" key moves to the field added after it.
void Controls::takePrompt(Control& c) {
    if (c.Kind == ControlKind::Prompt) {
        pendingPrompt_ = c.Number;
        return;
    }
    if (c.Kind == ControlKind::Group || c.Kind == ControlKind::Sheet || c.Kind == ControlKind::Tab)
        return;
    auto* label = qobject_cast<QLabel*>(widget(pendingPrompt_));
    const bool field = c.Kind != ControlKind::Button && c.Kind != ControlKind::Check &&
                       c.Kind != ControlKind::Radio && c.Kind != ControlKind::Image;
    if (label && field) label->setBuddy(c.Widget);
    pendingPrompt_ = 0;
}

// A group and a tab lay their controls out in a grid of their own.
QGridLayout& Controls::gridOf(int group) {
    if (group != 0)
        if (QWidget* holder = widget(group))
            if (auto* grid = qobject_cast<QGridLayout*>(holder->layout())) return *grid;
    return grid_;
}

void Controls::place(Control& c) {
    if (c.Kind == ControlKind::Tab) {
        // A page of its sheet, shown by the sheet; nowhere until it is put in one.
        auto* sheet = qobject_cast<QTabWidget*>(widget(c.Group));
        if (!sheet) {
            c.Widget->hide();
            return;
        }
        const QSignalBlocker quiet(sheet); // the user did not choose it
        if (sheet->indexOf(c.Widget) < 0) sheet->addTab(c.Widget, c.Widget->windowTitle());
        return;
    }
    QGridLayout& grid = gridOf(c.Group);
    grid.removeWidget(c.Widget);
    if (c.Row < 0) c.Row = c.Group ? nextRowIn_[c.Group]++ : nextRow_++;
    grid.addWidget(c.Widget, c.Row, c.Column, c.RowSpan, c.ColumnSpan);
    if (c.Group)
        nextRowIn_[c.Group] = std::max(nextRowIn_[c.Group], c.Row + c.RowSpan);
    else
        nextRow_ = std::max(nextRow_, c.Row + c.RowSpan);
}

ControlRef Controls::prompt(int number, const QString& text) {
    return add(number, ControlKind::Prompt, new QLabel(text, &content_));
}

ControlRef Controls::entry(int number, const QString& picture) {
    auto* edit = new QLineEdit(&content_);
    ControlRef ref = add(number, ControlKind::Entry, edit);
    find(number)->Picture = picture;
    if (picture.startsWith(QLatin1String("@s"), Qt::CaseInsensitive))
        edit->setMaxLength(picture.mid(2).toInt());
    return ref;
}

ControlRef Controls::button(int number, const QString& text) {
    auto* b = new QPushButton(text, &content_);
    b->setAutoDefault(false);
    return add(number, ControlKind::Button, b);
}

ControlRef Controls::toolButton(int number, const QString& text, const QString& icon) {
    auto* b = new QToolButton(&content_);
    b->setText(text);
    b->setToolTip(text);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ControlRef ref = add(number, ControlKind::Button, b);
    SetIcon(number, icon);
    return ref;
}

ControlRef Controls::check(int number, const QString& text) {
    return add(number, ControlKind::Check, new QCheckBox(text, &content_));
}

ControlRef Controls::radio(int number, const QString& text, qint64 value) {
    ControlRef ref = add(number, ControlKind::Radio, new QRadioButton(text, &content_));
    find(number)->RadioValue = value;
    return ref;
}

ControlRef Controls::dropList(int number, const QStringList& choices) {
    auto* box = new QComboBox(&content_);
    box->addItems(choices);
    box->setCurrentIndex(-1);
    return add(number, ControlKind::DropList, box);
}

ControlRef Controls::combo(int number, const QStringList& choices) {
    auto* box = new QComboBox(&content_);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(choices);
    box->setCurrentIndex(-1);
    return add(number, ControlKind::Combo, box);
}

ControlRef Controls::spin(int number, int low, int high, int step) {
    auto* box = new PictureSpinBox(&content_);
    box->setRange(low, high);
    box->setSingleStep(step);
    return add(number, ControlKind::Spin, box);
}

ControlRef Controls::list(int number, const QStringList& headers) {
    auto* tree = new QTreeWidget(&content_);
    tree->setRootIsDecorated(false);
    tree->setColumnCount(std::max<qsizetype>(1, headers.size()));
    tree->setHeaderLabels(headers);
    tree->setHeaderHidden(headers.isEmpty());
    tree->setUniformRowHeights(true);
    return add(number, ControlKind::List, tree);
}

ControlRef Controls::group(int number, const QString& text) {
    auto* box = new QGroupBox(text, &content_);
    new QGridLayout(box);
    return add(number, ControlKind::Group, box);
}

ControlRef Controls::sheet(int number) {
    return add(number, ControlKind::Sheet, new QTabWidget(&content_));
}

ControlRef Controls::tab(int number, const QString& text) {
    auto* page = new QWidget(&content_);
    page->setWindowTitle(text);
    new QGridLayout(page);
    return add(number, ControlKind::Tab, page);
}

ControlRef Controls::image(int number, const QString& file) {
    auto* label = new QLabel(&content_);
    ControlRef ref = add(number, ControlKind::Image, label);
    SetIcon(number, file);
    return ref;
}

ControlRef Controls::text(int number) {
    return add(number, ControlKind::Text, new QPlainTextEdit(&content_));
}

ControlRef Controls::custom(int number, QWidget* widget) {
    widget->setParent(&content_);
    return add(number, ControlKind::Custom, widget);
}

void Controls::addToolbar(QToolBar& strip) {
    struct Tool {
        int number;
        QStyle::StandardPixmap icon;
        const char* text;
    };
    static const Tool tools[] = {
        {ToolInsert, QStyle::SP_FileIcon, "Insert"},
        {ToolChange, QStyle::SP_FileDialogDetailedView, "Change"},
        {ToolDelete, QStyle::SP_TrashIcon, "Delete"},
        {ToolSelect, QStyle::SP_DialogApplyButton, "Select"},
        {ToolBottom, QStyle::SP_MediaSkipForward, "Last"},
        {ToolTop, QStyle::SP_MediaSkipBackward, "First"},
        {ToolPageDown, QStyle::SP_MediaSeekForward, "Next page"},
        {ToolPageUp, QStyle::SP_MediaSeekBackward, "Previous page"},
        {ToolDown, QStyle::SP_ArrowDown, "Next"},
        {ToolUp, QStyle::SP_ArrowUp, "Previous"},
        {ToolLocate, QStyle::SP_FileDialogContentsView, "Locate"},
        {ToolHistory, QStyle::SP_BrowserReload, "History"},
        {ToolHelp, QStyle::SP_DialogHelpButton, "Help"},
    };
    for (const Tool& t : tools) {
        auto* b = new QToolButton(&strip);
        b->setIcon(strip.style()->standardIcon(t.icon));
        b->setText(QString::fromLatin1(t.text));
        b->setFocusPolicy(Qt::NoFocus); // the focused field stays focused
        b->setEnabled(false);
        strip.addWidget(b);
        Control& c = controls_[t.number];
        c = Control{};
        c.Number = t.number;
        c.Kind = ControlKind::Button;
        c.Widget = b;
        b->setObjectName(QStringLiteral("control%1").arg(t.number));
        connectSignals(c);
    }
}

// ---- building a control ----------------------------------------------------------------

ControlRef& ControlRef::at(int row, int column, int rowSpan, int columnSpan) {
    c_.Row = row;
    c_.Column = column;
    c_.RowSpan = rowSpan;
    c_.ColumnSpan = columnSpan;
    set_.place(c_);
    return *this;
}

ControlRef& ControlRef::in(int group) {
    if (c_.Kind == ControlKind::Tab) {
        c_.Group = group;
        set_.place(c_);
        return *this;
    }
    set_.gridOf(c_.Group).removeWidget(c_.Widget);
    if (QWidget* box = set_.widget(group)) c_.Widget->setParent(box);
    c_.Group = group;
    c_.Row = -1;
    set_.place(c_);
    c_.Widget->show();
    return *this;
}

ControlRef& ControlRef::tip(const QString& text) {
    c_.Widget->setToolTip(text);
    return *this;
}

ControlRef& ControlRef::use(const Use& variable) {
    c_.Variable = variable;
    if (auto* spin = dynamic_cast<PictureSpinBox*>(c_.Widget.data()))
        spin->setScale(variable.scale());
    if (auto* edit = qobject_cast<QLineEdit*>(c_.Widget.data()))
        if (edit->maxLength() == 32767 && variable.capacity() > 0)
            edit->setMaxLength(variable.capacity());
    set_.Display(c_.Number);
    return *this;
}

ControlRef& ControlRef::name(const QString& objectName) {
    c_.Widget->setObjectName(objectName);
    return *this;
}

ControlRef& ControlRef::defaultButton() {
    set_.SetDefaultButton(c_.Number);
    return *this;
}

ControlRef& ControlRef::readOnly(bool on) {
    if (auto* edit = qobject_cast<QLineEdit*>(c_.Widget.data()))
        edit->setReadOnly(on);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(c_.Widget.data()))
        text->setReadOnly(on);
    else
        c_.Widget->setEnabled(!on);
    return *this;
}

ControlRef& ControlRef::width(int characters) {
    const int w = c_.Widget->fontMetrics().horizontalAdvance(QLatin1Char('M')) * characters;
    c_.Widget->setMinimumWidth(w);
    return *this;
}

ControlRef& ControlRef::picture(const QString& picture) {
    c_.Picture = picture;
    if (auto* spin = dynamic_cast<PictureSpinBox*>(c_.Widget.data())) spin->setPicture(picture);
    return *this;
}

ControlRef& ControlRef::buddy(int control) {
    if (auto* label = qobject_cast<QLabel*>(c_.Widget.data()))
        label->setBuddy(set_.widget(control));
    return *this;
}

void Controls::SetDefaultButton(int number) {
    if (auto* old = qobject_cast<QPushButton*>(widget(defaultButton_))) old->setDefault(false);
    defaultButton_ = number;
    if (auto* b = qobject_cast<QPushButton*>(widget(number))) b->setDefault(true);
}
