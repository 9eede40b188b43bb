#include "archive/ClassReport.h"

#include "framework/host/Host.h"

using Units::mm;

ClassReport::ClassReport(const SoortTabelRecord& entry)
    : Entry(entry), Date(Host::instance().today()), Time(Host::instance().clock()) {
    ReportLayout& l = Layout;
    const int title = l.AddFont({QStringLiteral("Arial"), 14, true});
    const int small = l.AddFont({QStringLiteral("Arial"), 9});
    const int head = l.AddFont({QStringLiteral("Arial"), 10, true});
    const int body = l.AddFont({QStringLiteral("Arial"), 10});
    const PageUnits line = l.LineHeight(body);
    const PageUnits headAt = mm(11);
    const PageUnits ruleAt = headAt + l.LineHeight(head) + mm(0.5);

    l.PageHeader = Band(ruleAt + mm(2));
    l.PageHeader.Text(0, 0, mm(100), QStringLiteral("Software Classes"), title)
        .Text(mm(122), mm(1), mm(12), QStringLiteral("Date :"), small)
        .Value(
            mm(134), mm(1), mm(20), [this] { return FieldValue(qint64(Date)); },
            QStringLiteral("@D6B"), small)
        .Text(mm(155), mm(1), mm(11), QStringLiteral("Time :"), small)
        .Value(
            mm(166), mm(1), mm(14), [this] { return FieldValue(qint64(Time)); },
            QStringLiteral("@T4B"), small)
        .Text(0, headAt, mm(80), QStringLiteral("Software Class"), head)
        .Rule(0, ruleAt, l.BodyWidth(), ruleAt, 15);

    l.PageFooter = Band(l.LineHeight(small));
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), small);

    l.Detail = Band(line);
    l.Detail.Value(
        0, 0, mm(80), [this] { return FieldValue(Entry.Soort.str()); }, QStringLiteral("@s20"),
        body);
}
