#include "scan/ScanReport.h"

#include "framework/host/Host.h"
#include "framework/window/BusyCursor.h"
#include "scan/ViewReport.h"

void ScanReport(const QString& directory) {
    const QString shown = directory.left(32).trimmed();
    PageStore pages;
    {
        const BusyCursor busy;
        ScanReportPages report(shown, Host::instance().today(), Host::instance().clock());
        if (!report.Write(GLO.ScanFileQueue.rows, pages)) {
            Host::instance().message(pages.Error(), QStringLiteral("Wareloft"), Icon::Exclamation,
                                     ButtonOk, ButtonOk);
            return;
        }
    }
    ViewReport preview(pages, QStringLiteral("Scan results of directory ") + shown,
                       QStringLiteral("ScanReport"));
    preview.Run();
}
