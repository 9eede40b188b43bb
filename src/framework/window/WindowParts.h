#pragma once

#include "framework/window/WindowEvent.h"

#include <QString>
#include <functional>

class WindowController;

// What a window asks of a list of records that it owns (the browse manager). A browse
// sees every event of its window after the window's own steps.
class BrowseLink {
public:
    virtual ~BrowseLink() = default;
    virtual int TakeEvent(const WindowEvent& event) = 0;
    // Refills the list around its current record; `force` refills even when nothing
    // the list depends on changed.
    virtual void ResetSort(bool force) = 0;
    // The current row into the record buffer.
    virtual void UpdateBuffer() = 0;
    // Redisplays the list and the states of its buttons.
    virtual void UpdateWindow() = 0;
    // The list changed (rows added or removed) since the last reset.
    virtual bool Changed() const = 0;
    // Makes the keys the list reacts to alert keys of the window.
    virtual void SetAlerts() {}
    // The list control, so that a new selection in it is routed here.
    virtual int ListControl() const = 0;
    virtual void Kill() {}
};

// A list that takes files dropped on it.
class FileDropLink {
public:
    virtual ~FileDropLink() = default;
    virtual int TakeEvent(const WindowEvent& event) = 0;
    virtual void Reset() {}
    virtual void Kill() {}
};

// What a toolbar button press is routed to: the form itself or one of its browses.
class ToolbarTarget {
public:
    virtual ~ToolbarTarget() = default;
    // Carries out toolbar button `button`; 0 when this target does not handle it.
    virtual int TakeToolbar(int button) = 0;
    // Sets tips and enabled states of the toolbar buttons for this target.
    virtual void DisplayButtons() = 0;
    // The control this target belongs to (a browse's list); 0 for the form.
    virtual int Control() const { return 0; }
};

// Texts of a window in another language, applied when the window first opens.
class TextTranslator {
public:
    virtual ~TextTranslator() = default;
    virtual QString Translate(const QString& text) = 0;
};

// Keeps controls placed when the window changes size.
class Resizer {
public:
    virtual ~Resizer() = default;
    virtual void Resize() = 0;
    virtual void Kill() {}
};

// Where a single-instance procedure keeps the thread number of its running instance
// (0: none runs). The application's thread registry provides it.
struct InstanceSlot {
    std::function<int()> Get;
    std::function<void(int)> Set;
    explicit operator bool() const { return bool(Get) && bool(Set); }
};
