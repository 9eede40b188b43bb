#include "framework/window/FormWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

// Controls of every kind bound to variables, without a controller: what they show, what
// they write back, and the events they send.
class ControlsTest : public ::testing::Test {
protected:
    FormWindow window{[this](const WindowEvent& e) { events.push_back(e); }};
    Controls& c = window.controls();
    std::vector<WindowEvent> events;

    bool sent(EventKind kind, int control) const {
        for (const WindowEvent& e : events)
            if (e.Kind == kind && e.Control == control) return true;
        return false;
    }
};

TEST_F(ControlsTest, ChoicesTicksAndSpinsShowAndTakeTheirVariables) {
    Text kind(6);
    kind = "ZIP";
    quint8 connect = 1;
    qint32 medium = 2;
    quint16 copies = 3;
    c.dropList(1, {"Floppy", "CD", "HD", "Zip"}).use(kind);
    c.check(2, "Connect Drive").use(connect);
    c.radio(3, "CD", 1).use(medium);
    c.radio(4, "Disk", 2).use(medium);
    c.spin(5, 0, 99).use(copies);

    EXPECT_EQ(c.Choice(1), 4); // texts match without regard to case
    EXPECT_EQ(c.Value(2), "1");
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(c.widget(3))->isChecked());
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(c.widget(4))->isChecked());
    EXPECT_EQ(qobject_cast<QSpinBox*>(c.widget(5))->value(), 3);

    auto* box = qobject_cast<QComboBox*>(c.widget(1));
    box->setCurrentIndex(1);
    Q_EMIT box->activated(1);
    EXPECT_EQ(kind.str(), "CD");
    EXPECT_TRUE(sent(EventKind::NewSelection, 1));
    EXPECT_TRUE(sent(EventKind::Accepted, 1));

    qobject_cast<QAbstractButton*>(c.widget(3))->click();
    EXPECT_EQ(medium, 1);
    qobject_cast<QAbstractButton*>(c.widget(2))->click();
    EXPECT_EQ(connect, 0);
    qobject_cast<QSpinBox*>(c.widget(5))->setValue(7);
    EXPECT_EQ(copies, 7);
    EXPECT_TRUE(sent(EventKind::Accepted, 5));
}

TEST_F(ControlsTest, PropertiesAndNamesOfControls) {
    c.prompt(1, "&Name");
    c.entry(2, "@s20");
    c.image(3, "Trffc10a.ico");
    c.button(4, "&OK").name("okButton");
    EXPECT_EQ(qobject_cast<QLabel*>(c.widget(1))->buddy(), c.widget(2));
    EXPECT_EQ(c.widget(2)->objectName(), "control2");
    EXPECT_EQ(c.widget(4)->objectName(), "okButton");
    EXPECT_FALSE(qobject_cast<QLabel*>(c.widget(3))->pixmap().isNull());

    c.Disable(4);
    c.Hide(2);
    c.SetText(1, "Password");
    c.SetColour(1, 0x0000ff); // red: blue is the high byte
    EXPECT_FALSE(c.IsEnabled(4));
    EXPECT_TRUE(c.IsHidden(2));
    EXPECT_EQ(c.TextOf(1), "Password");
    EXPECT_EQ(c.widget(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

} // namespace
