#include "framework/host/QtHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Acts on the message box once it is shown.
void whenBoxShown(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        act(box);
    });
}

void press(QWidget* w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QAbstractButton* buttonNamed(QMessageBox* box, const QString& label) {
    for (QAbstractButton* b : box->buttons()) {
        if (b->text() == label && b->isVisible()) return b;
    }
    return nullptr;
}

TEST(QtHost, MessageBoxShowsNamedButtonsAndReturnsThePosition) {
    QtHost host;
    QStringList shown;
    whenBoxShown([&shown](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons()) {
            if (b->isVisible()) shown << b->text();
        }
        EXPECT_EQ(box->windowTitle(), "Wareloft");
        EXPECT_EQ(box->text(), "RECORD ALREADY EXISTS :\r\nReplace D:\\");
        EXPECT_EQ(box->defaultButton()->text(), "&No to All");
        buttonNamed(box, "Yes to &All")->click();
    });
    EXPECT_EQ(host.message("RECORD ALREADY EXISTS :\r\nReplace D:\\", "Wareloft", Icon::Exclamation,
                           "&Yes|Yes to &All|&No to All", 3),
              2);
    EXPECT_EQ(shown, QStringList({"&Yes", "Yes to &All", "&No to All"}));
}

TEST(QtHost, EscapeAnswersCancelOrZero) {
    QtHost host;
    whenBoxShown([](QMessageBox* box) { press(box, Qt::Key_Escape); });
    EXPECT_EQ(host.message("Sure?", "Wareloft", Icon::Question, ButtonYes | ButtonNo | ButtonCancel,
                           ButtonYes),
              ButtonCancel);
    whenBoxShown([](QMessageBox* box) { press(box, Qt::Key_Escape); });
    EXPECT_EQ(host.message("Which?", "", Icon::None, "&Yes|Yes to &All|&No to All", 1), 0);
    whenBoxShown([](QMessageBox* box) { press(box, Qt::Key_Return); });
    EXPECT_EQ(host.message("Delete?", "Wareloft", Icon::Exclamation, "&Yes|&No", 2), 2);
}

} // namespace
