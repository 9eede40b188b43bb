#pragma once

class QLabel;
class QStatusBar;
class QString;

// The frame's status bar: zone 1 for the tips of menu items, zone 2 the user, zone 3 the
// day and date, zone 4 the time. Each zone is a label named "zone1" .. "zone4".
class FrameStatus {
public:
    explicit FrameStatus(QStatusBar& bar);

    void showUser();
    // Today and the time from the host's clock.
    void showClock();
    QString zone(int n) const;

private:
    QLabel* zones_[4];
};
