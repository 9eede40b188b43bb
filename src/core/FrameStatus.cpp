#include "core/FrameStatus.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "framework/host/Host.h"

#include <QLabel>
#include <QStatusBar>

FrameStatus::FrameStatus(QStatusBar& bar) {
    for (int n = 0; n < 4; ++n) {
        auto* zone = new QLabel(&bar);
        zone->setObjectName(QStringLiteral("zone%1").arg(n + 1));
        zone->setContentsMargins(6, 0, 6, 0);
        zones_[n] = zone;
    }
    // Zone 1 takes the room that is left; tips of menu items are shown over it.
    bar.addWidget(zones_[0], 1);
    for (int n = 1; n < 4; ++n) {
        auto* line = new QFrame(&bar);
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        line->setFixedWidth(6);
        bar.addPermanentWidget(line);
        bar.addPermanentWidget(zones_[n]);
    }
    zones_[2]->setMinimumWidth(
        zones_[2]->fontMetrics().horizontalAdvance(QStringLiteral("Wednesday, 00/00/0000  ")));
    zones_[3]->setMinimumWidth(
        zones_[3]->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00  ")));
    showUser();
    showClock();
}

void FrameStatus::showUser() {
    zones_[1]->setText(FrameRules::userZone(GLO.UserName.str()));
}

void FrameStatus::showClock() {
    Host& host = Host::instance();
    zones_[2]->setText(FrameRules::dateZone(host.today()));
    zones_[3]->setText(FrameRules::timeZone(host.clock()));
}

QString FrameStatus::zone(int n) const {
    return n >= 1 && n <= 4 ? zones_[n - 1]->text() : QString();
}
