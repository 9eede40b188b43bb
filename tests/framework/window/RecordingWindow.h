#pragma once

#include "framework/window/WindowController.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>
#include <functional>

// A window that writes down which steps ran, for the tests of the controller. Controls:
// 1 entry "@n3" of `number`, 2 OK, 3 Cancel (response 2), 4 a list.
class RecordingWindow : public WindowController {
public:
    explicit RecordingWindow(QStringList& log, const QString& name = QStringLiteral("Recorder"))
        : WindowController(name), log(log) {}

    QStringList& log;
    int fieldLevel = 0; // what TakeFieldEvent answers
    quint16 number = 5;
    int closeLevel = 0;           // what TakeCloseEvent answers instead of the base
    std::function<void()> onOpen; // runs once the window has opened
    std::function<void()> onGainFocus;

    int Init() override {
        if (const int level = WindowController::Init()) return level;
        C().entry(1, QStringLiteral("@n3")).use(number);
        C().button(2, QStringLiteral("&OK")).defaultButton();
        C().button(3, QStringLiteral("&Cancel"));
        C().list(4, {QStringLiteral("Name")});
        OKControl = 2;
        FirstField = 1;
        AddButton(3, RequestCancelled);
        return Open();
    }
    int TakeEvent() override {
        log << QStringLiteral("TakeEvent %1").arg(kindName());
        return WindowController::TakeEvent();
    }
    int TakeWindowEvent() override {
        log << QStringLiteral("TakeWindowEvent %1").arg(kindName());
        const int level = WindowController::TakeWindowEvent();
        if (Event().Kind == EventKind::OpenWindow && onOpen) onOpen();
        if (Event().Kind == EventKind::GainFocus && onGainFocus) onGainFocus();
        return level;
    }
    int TakeAccepted() override {
        log << QStringLiteral("TakeAccepted %1").arg(Field());
        return WindowController::TakeAccepted();
    }
    int TakeFieldEvent() override {
        log << QStringLiteral("TakeFieldEvent %1 %2").arg(kindName()).arg(Field());
        return fieldLevel;
    }
    int TakeSelected() override {
        log << QStringLiteral("TakeSelected %1").arg(Field());
        return WindowController::TakeSelected();
    }
    int TakeRejected() override {
        log << QStringLiteral("TakeRejected %1").arg(Field());
        return WindowController::TakeRejected();
    }
    int TakeNewSelection() override {
        log << QStringLiteral("TakeNewSelection %1").arg(Field());
        return WindowController::TakeNewSelection();
    }
    int TakeCompleted() override {
        log << QStringLiteral("TakeCompleted");
        return WindowController::TakeCompleted();
    }
    int TakeCloseEvent() override {
        log << QStringLiteral("TakeCloseEvent");
        return closeLevel ? closeLevel : WindowController::TakeCloseEvent();
    }
    QString kindName() const {
        static const char* names[] = {
            "Accepted",   "Selected",    "NewSelection", "Rejected",  "AlertKey",     "ScrollUp",
            "ScrollDown", "PageUp",      "PageDown",     "ScrollTop", "ScrollBottom", "ScrollDrag",
            "OpenWindow", "CloseWindow", "CloseDown",    "GainFocus", "LoseFocus",    "Timer",
            "Completed",  "Sized",       "Moved",        "Maximized", "Iconized",     "Restored"};
        return QString::fromLatin1(names[int(Event().Kind)]);
    }
    int Kill() override {
        log << QStringLiteral("Kill");
        return WindowController::Kill();
    }
};

// Replaces an entry's text as typing would (an edit by the user, unlike setText).
inline void typeInto(QLineEdit* entry, const QString& text) {
    entry->selectAll();
    entry->insert(text);
}

// Lets queued events and deferred deletions run.
inline void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The steps of the events a test sent, without those the window system sends by itself
// (focus, size, place).
inline QStringList scripted(const QStringList& log) {
    QStringList out;
    for (const QString& line : log)
        if (!line.contains(QLatin1String("Focus")) && !line.contains(QLatin1String("Selected")) &&
            !line.contains(QLatin1String("Sized")) && !line.contains(QLatin1String("Moved")))
            out << line;
    return out;
}
