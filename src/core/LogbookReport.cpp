#include "core/LogbookReport.h"

#include "framework/host/Host.h"

using Units::mm;

namespace {

FieldValue number(qint64 n) {
    return FieldValue(n);
}

} // namespace

LogbookReport::LogbookReport(const LogRecord& entry) : Entry(entry) {
    Date = Host::instance().today();
    Time = Host::instance().clock();

    ReportLayout& l = Layout;
    const int title = l.AddFont({QStringLiteral("Arial"), 14, true});
    const int small = l.AddFont({QStringLiteral("Arial"), 9});
    const int body = l.AddFont({QStringLiteral("Times New Roman"), 10});
    const int head = l.AddFont({QStringLiteral("Times New Roman"), 10, true});
    const PageUnits line = l.LineHeight(body);
    const PageUnits width = l.BodyWidth();
    struct Column {
        double from, to; // mm within the margins
    };
    // The heads in their order, each value under its own: the user's number after the date.
    const Column name{0, 50}, date{54, 80}, id{84, 100}, login{106, 132}, logout{138, 164};
    auto at = [](const Column& c) { return mm(c.from); };
    auto wide = [](const Column& c) { return mm(c.to - c.from); };

    const PageUnits headTop = mm(11);
    l.PageHeader = Band(headTop + line + mm(3));
    l.PageHeader.Text(0, 0, mm(100), QStringLiteral("Report the Log File"), title)
        .Text(mm(112), mm(1), mm(12), QStringLiteral("Date :"), small)
        .Value(
            mm(124), mm(1), mm(22), [this] { return number(Date); }, QStringLiteral("@D6B"), small)
        .Text(mm(148), mm(1), mm(12), QStringLiteral("Time : "), small)
        .Value(
            mm(160), mm(1), mm(20), [this] { return number(Time); }, QStringLiteral("@T4B"), small)
        .Text(at(name), headTop, wide(name), QStringLiteral("Name"), head)
        .Text(at(date), headTop, wide(date), QStringLiteral("Date"), head)
        .Text(at(id), headTop, wide(id), QStringLiteral("IdNr"), head, Align::Right)
        .Text(at(login), headTop, wide(login), QStringLiteral("Login Time"), head)
        .Text(at(logout), headTop, wide(logout), QStringLiteral("Log Out Time"), head)
        .Rule(0, headTop + line + mm(1), width, headTop + line + mm(1), 10);

    l.PageFooter = Band(line);
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), small);

    l.Detail = Band(line);
    l.Detail
        .Value(
            at(id), 0, wide(id), [this] { return number(Entry.ID); }, QStringLiteral("@N6_"), body,
            Align::Right)
        .Value(
            at(name), 0, wide(name), [this] { return FieldValue(Entry.NAME.str()); },
            QStringLiteral("@s20"), body)
        .Value(
            at(date), 0, wide(date), [this] { return number(Entry.DATUM); }, QStringLiteral("@d6"),
            body)
        .Value(
            at(login), 0, wide(login), [this] { return number(Entry.LOGINTIME); },
            QStringLiteral("@T4"), body)
        .Value(
            at(logout), 0, wide(logout), [this] { return number(Entry.LOGOUTTIME); },
            QStringLiteral("@t4"), body);
}
