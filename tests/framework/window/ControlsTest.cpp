#include "framework/window/FormWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
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

TEST_F(ControlsTest, SheetsHoldTabsAndSpinsShowTheirPicture) {
    qint32 date = 82535; // 18 December 2026
    qint64 size = 1234;  // whole kilobytes
    c.sheet(1).at(0, 0);
    c.tab(2, "&General").in(1);
    c.spin(3, 0, 9999999, 10).picture("@N_8_.1B").in(2).at(0, 0).use(Use(size));
    c.tab(4, "&Description").in(1);
    c.spin(5, 0, 2994626).picture("@D6").in(4).at(0, 0).use(date);
    auto* sheet = qobject_cast<QTabWidget*>(c.widget(1));
    ASSERT_EQ(sheet->count(), 2);
    EXPECT_EQ(sheet->tabText(1), "&Description");
    EXPECT_EQ(c.widget(3)->parentWidget(), c.widget(2)) << "a tab holds its controls";
    EXPECT_TRUE(events.empty()) << "adding tabs is no choice of the user";

    auto* spin = qobject_cast<QSpinBox*>(c.widget(5));
    EXPECT_EQ(spin->text(), "18/12/2026");
    spin->stepUp();
    EXPECT_EQ(date, 82536) << "a date steps by days";
    spin->findChild<QLineEdit*>()->setText("1/3/2024");
    spin->interpretText();
    EXPECT_EQ(spin->text(), "01/03/2024");
    EXPECT_EQ(qobject_cast<QSpinBox*>(c.widget(3))->text(), "1 234.0");
    size = 0;
    c.Display(3);
    EXPECT_EQ(qobject_cast<QSpinBox*>(c.widget(3))->text(), "") << "blank when 0";

    sheet->setCurrentIndex(1);
    EXPECT_TRUE(sent(EventKind::NewSelection, 1));
    EXPECT_EQ(c.Choice(1), 2);
    c.SetChoice(1, 1);
    EXPECT_EQ(sheet->currentIndex(), 0);
}

} // namespace
