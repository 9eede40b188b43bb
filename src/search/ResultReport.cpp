#include "search/ResultReport.h"

#include "framework/host/Host.h"
#include "framework/report/ReportWriter.h"

using Units::mm;

namespace search {

namespace {

FieldValue number(qint64 n) {
    return FieldValue(n);
}

} // namespace

ResultReport::ResultReport(const ResultList& list, const QString& heading)
    : List(list), Heading(heading), Date(Host::instance().today()), Time(Host::instance().clock()) {
    ReportLayout& l = Layout;
    l.Paper = {29700, 21000};
    const int title = l.AddFont({QStringLiteral("Arial"), 12, true});
    const int small = l.AddFont({QStringLiteral("Arial"), 9});
    const int head = l.AddFont({QStringLiteral("Arial"), 8, true});
    const int body = l.AddFont({QStringLiteral("Arial"), 8});
    const PageUnits line = l.LineHeight(body);
    struct Column {
        double from, to; // mm within the margins
    };
    const Column nr{0, 12}, cd{13, 26}, disk{27, 40}, name{42, 78}, file{80, 116}, date{118, 135},
        time{137, 151}, producer{153, 204}, remarks{206, 267};
    auto at = [](const Column& c) { return mm(c.from); };
    auto wide = [](const Column& c) { return mm(c.to - c.from); };

    const PageUnits headAt = mm(7) + l.LineHeight(small);
    const PageUnits ruleAt = headAt + l.LineHeight(head) + mm(0.5);
    l.PageHeader = Band(ruleAt + mm(1.5));
    l.PageHeader
        .Value(
            0, 0, l.BodyWidth(), [this] { return FieldValue(Heading); }, QStringLiteral("@s255"),
            title)
        .Text(0, mm(7), mm(12), QStringLiteral("Date : "), small)
        .Value(
            mm(12), mm(7), mm(25), [this] { return number(Date); }, QStringLiteral("@D6B"), small)
        .Text(mm(40), mm(7), mm(12), QStringLiteral("Time : "), small)
        .Value(
            mm(52), mm(7), mm(25), [this] { return number(Time); }, QStringLiteral("@T4B"), small)
        .Text(at(nr), headAt, wide(nr), QStringLiteral("Nr"), head, Align::Right)
        .Text(at(cd), headAt, wide(cd), QStringLiteral("Cd Nr."), head, Align::Right)
        .Text(at(disk), headAt, wide(disk), QStringLiteral("Disk Nr."), head, Align::Right)
        .Text(at(name), headAt, wide(name), QStringLiteral("Name"), head)
        .Text(at(file), headAt, wide(file), QStringLiteral("File Name"), head)
        .Text(at(date), headAt, wide(date), QStringLiteral("Date"), head)
        .Text(at(time), headAt, wide(time), QStringLiteral("Time"), head)
        .Text(at(producer), headAt, wide(producer), QStringLiteral("Producer"), head)
        .Text(at(remarks), headAt, wide(remarks), QStringLiteral("Remarks"), head)
        .Rule(0, ruleAt, l.BodyWidth(), ruleAt, 15);

    l.PageFooter = Band(l.LineHeight(small));
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), small);

    auto text = [this](ResultList::TextField field) {
        return [this, field] { return FieldValue(List.text(row_, field)); };
    };
    l.Detail = Band(line);
    l.Detail
        .Value(
            at(nr), 0, wide(nr), [this] { return number(List.row(row_).nr); },
            QStringLiteral("@N_4B"), body, Align::Right)
        .Value(
            at(cd), 0, wide(cd), [this] { return number(List.row(row_).cdNr); },
            QStringLiteral("@N_6B"), body, Align::Right)
        .Value(
            at(disk), 0, wide(disk), [this] { return number(List.row(row_).diskNr); },
            QStringLiteral("@N_6B"), body, Align::Right)
        .Value(at(name), 0, wide(name), text(ResultList::Name), QStringLiteral("@s20"), body)
        .Value(at(file), 0, wide(file), text(ResultList::File), QStringLiteral("@s20"), body)
        .Value(
            at(date), 0, wide(date), [this] { return number(List.row(row_).date); },
            QStringLiteral("@D6B"), body)
        .Value(
            at(time), 0, wide(time), [this] { return number(List.row(row_).time); },
            QStringLiteral("@T4B"), body)
        .Value(at(producer), 0, wide(producer), text(ResultList::Producer), QStringLiteral("@s30"),
               body)
        .Value(at(remarks), 0, wide(remarks), text(ResultList::Remarks), QStringLiteral("@s40"),
               body);
}

bool ResultReport::Write(PageStore& pages, QString& error) {
    pages.Clear();
    {
        ReportWriter writer(Layout, pages);
        for (row_ = 0; row_ < List.records(); ++row_)
            if (!writer.PrintDetail()) break;
        if (writer.Close() && !writer.Failed()) return true;
    }
    error = pages.Error();
    pages.Clear();
    return false;
}

} // namespace search
