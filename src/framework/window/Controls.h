#pragma once

#include "framework/host/Host.h"
#include "framework/window/Use.h"
#include "framework/window/WindowEvent.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <set>
#include <vector>

class QGridLayout;
class QToolBar;
class QWidget;
class ControlRef;

enum class ControlKind {
    Prompt, // a label, the buddy of the next control
    Entry,  // one line of text through a picture
    Button,
    Check,    // bound to a number: 1 ticked, 0 not
    Radio,    // bound to a number: takes its own value when chosen
    DropList, // a choice from fixed texts, bound to the chosen text
    Combo,    // a choice that may also be typed
    Spin,
    List,  // rows with columns
    Group, // frames other controls
    Sheet, // tabs, one page shown at a time
    Tab,   // a page of a sheet, holding other controls like a group
    Image,
    Text,   // several lines of text
    Custom, // a widget made by the procedure
};

// The controls of one window by number. Each control gets the object name "control"
// followed by its number unless given one, so that tests and the accessibility layer
// find it. Controls that use a variable show it (Display) and write the edited value back
// when they are accepted; the events of the widgets go to `post`.
class Controls : public QObject {
public:
    struct Control {
        int Number = 0;
        ControlKind Kind = ControlKind::Custom;
        QPointer<QWidget> Widget;
        QString Picture;
        Use Variable;
        qint64 RadioValue = 0;
        int Group = 0;
        int Row = -1, Column = 0, RowSpan = 1, ColumnSpan = 1;
    };

    Controls(QWidget& content, QGridLayout& grid, std::function<void(const WindowEvent&)> post);
    ~Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    ControlRef prompt(int number, const QString& text);
    ControlRef entry(int number, const QString& picture = {});
    ControlRef button(int number, const QString& text);
    // A flat button that shows only its icon (the program's own picture by name); the text
    // is its name for the accessibility layer and its tip until another is set.
    ControlRef toolButton(int number, const QString& text, const QString& icon);
    ControlRef check(int number, const QString& text);
    ControlRef radio(int number, const QString& text, qint64 value);
    ControlRef dropList(int number, const QStringList& choices);
    ControlRef combo(int number, const QStringList& choices);
    // A spin box steps by `step`; given a picture (ControlRef::picture) it shows and takes
    // its value through it, like an entry.
    ControlRef spin(int number, int low, int high, int step = 1);
    ControlRef list(int number, const QStringList& headers);
    ControlRef group(int number, const QString& text);
    // A sheet of tabs; each tab is added with tab(...).in(sheet) and holds controls placed
    // with .in(tab). Choosing another tab is a NewSelection of the sheet; Choice and
    // SetChoice give and set the tab shown, from 1.
    ControlRef sheet(int number);
    ControlRef tab(int number, const QString& text);
    ControlRef image(int number, const QString& file);
    ControlRef text(int number);
    ControlRef custom(int number, QWidget* widget);
    // The toolbar buttons 2000 to 2012 in a strip above the controls.
    void addToolbar(QToolBar& strip);

    Control* find(int number);
    const Control* find(int number) const;
    QWidget* widget(int number) const;
    // The control a widget (or a widget inside it) belongs to; 0 for none.
    int numberOf(const QObject* widget) const;
    std::vector<int> numbers() const;

    // Shows the variable of one control, or of every control.
    void Display(int number);
    void Display();
    // Takes the value of a control into its variable: true when it fits its picture.
    // Only a value that differs from what the control showed is written back.
    bool Accept(int number);
    // The accept-all pass: every enabled, visible control with a variable; the number of
    // the first that does not fit, 0 when all did.
    int AcceptAll();
    // Writes back what the user typed, without events, where it fits (before a close).
    void TakePending();
    // From now on nothing is written back and no event is sent: the window is ending.
    void Freeze() { frozen_ = true; }
    // The text a control shows now.
    QString Value(int number) const;

    void Select(int number);
    void Enable(int number, bool enabled = true);
    void Disable(int number) { Enable(number, false); }
    void Hide(int number);
    void Show(int number, bool shown = true);
    bool IsEnabled(int number) const;
    bool IsHidden(int number) const;
    void SetText(int number, const QString& text);
    QString TextOf(int number) const;
    void SetTip(int number, const QString& tip);
    QString TipOf(int number) const;
    // Colours as 0xBBGGRR; -1 leaves one as it is.
    void SetColour(int number, Colour text, Colour background = -1);
    void SetIcon(int number, const QString& file);
    void SetChoices(int number, const QStringList& choices);
    // 1-based current choice or row; 0 for none.
    int Choice(int number) const;
    void SetChoice(int number, int choice);

    // Keys the window is told about as alert key events; control 0 means every control.
    void Alert(int keyCode, int control = 0);
    void ClearAlerts() { alerts_.clear(); }
    bool IsAlert(int keyCode, int control) const;

    // The control that has, or last had, the focus.
    int Focused() const { return focused_; }
    int DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(int number);
    QWidget& Content() { return content_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ControlRef;
    bool takeKey(Control& c, int qtKey, Qt::KeyboardModifiers modifiers);
    void acceptEdited(Control& c);
    void acceptChoice(Control& c, bool newSelection);
    ControlRef add(int number, ControlKind kind, QWidget* widget);
    void place(Control& c);
    void connectSignals(Control& c);
    void takePrompt(Control& c);
    void post(EventKind kind, int number) {
        if (!frozen_) post_(controlEvent(kind, number));
    }
    bool fits(const Control& c) const;
    bool changed(const Control& c) const;
    void writeBack(Control& c);
    void select(QWidget* w);
    QGridLayout& gridOf(int group);

    QWidget& content_;
    QGridLayout& grid_;
    std::function<void(const WindowEvent&)> post_;
    std::map<int, Control> controls_;
    std::set<std::pair<int, int>> alerts_; // (control, key)
    int defaultButton_ = 0;
    int focused_ = 0;
    bool frozen_ = false;
    int pendingPrompt_ = 0;
    int nextRow_ = 0;
    std::map<int, int> nextRowIn_; // by group
};

// A control being built: place it and say what it shows.
class ControlRef {
public:
    ControlRef(Controls& controls, Controls::Control& control) : set_(controls), c_(control) {}

    // Grid cell inside the window, or inside the group given with in().
    ControlRef& at(int row, int column, int rowSpan = 1, int columnSpan = 1);
    ControlRef& in(int group);
    ControlRef& tip(const QString& text);
    ControlRef& use(const Use& variable);
    ControlRef& use(RecordBuffer& record, int field) { return use(Use(record, field)); }
    ControlRef& name(const QString& objectName);
    ControlRef& defaultButton();
    ControlRef& readOnly(bool on = true);
    ControlRef& width(int characters);
    // The picture a spin box shows its value through ("@D5B", "@N_8_.1B").
    ControlRef& picture(const QString& picture);
    // The next control: a prompt's buddy, so that its "&" key moves there.
    ControlRef& buddy(int control);

    int number() const { return c_.Number; }
    QWidget* widget() const { return c_.Widget; }

private:
    Controls& set_;
    Controls::Control& c_;
};
