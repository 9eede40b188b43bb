#include "scan/ScanReport.h"

#include "framework/report/ReportWriter.h"

using Units::mm;

namespace {

// Columns: from, to (mm within the margins).
struct Column {
    double from, to;
};
constexpr Column NameColumn{0, 94}, DateColumn{95, 115}, TimeColumn{116, 133}, SizeColumn{134, 152},
    AttributeColumn{155, 180};

PageUnits at(const Column& c) {
    return mm(c.from);
}
PageUnits wide(const Column& c) {
    return mm(c.to - c.from);
}

} // namespace

ScanReportPages::ScanReportPages(const QString& directory, qint32 date, qint32 time)
    : heading_(QStringLiteral("Content of Dir : ") + directory.left(32).trimmed()), date_(date),
      time_(time) {
    ReportLayout& l = Layout;
    const int title = l.AddFont({QStringLiteral("Arial"), 12, true});
    const int small = l.AddFont({QStringLiteral("Arial"), 9});
    const int head = l.AddFont({QStringLiteral("Arial"), 9, true});
    const int body = l.AddFont({QStringLiteral("Courier New"), 9});
    const PageUnits line = l.LineHeight(body);
    const PageUnits width = l.BodyWidth();

    const PageUnits titlesAt = mm(11);
    l.PageHeader = Band(titlesAt + l.LineHeight(head) + mm(2));
    l.PageHeader.Text(mm(120), 0, mm(11), QStringLiteral("Date :"), small)
        .Value(
            mm(131), 0, mm(20), [this] { return FieldValue(qint64(date_)); },
            QStringLiteral("@D6B"), small)
        .Text(mm(155), 0, mm(11), QStringLiteral("Time :"), small)
        .Value(
            mm(166), 0, mm(14), [this] { return FieldValue(qint64(time_)); },
            QStringLiteral("@T4B"), small)
        .Value(
            0, mm(5), width, [this] { return FieldValue(heading_); }, QStringLiteral("@s100"),
            title)
        .Text(at(NameColumn), titlesAt, wide(NameColumn), QStringLiteral("Name"), head)
        .Text(at(DateColumn), titlesAt, wide(DateColumn), QStringLiteral("Date"), head)
        .Text(at(TimeColumn), titlesAt, wide(TimeColumn), QStringLiteral("Time"), head)
        .Text(at(SizeColumn), titlesAt, wide(SizeColumn), QStringLiteral("Size"), head,
              Align::Right)
        .Text(at(AttributeColumn), titlesAt, wide(AttributeColumn), QStringLiteral("Attribute"),
              head)
        .Rule(0, titlesAt + l.LineHeight(head) + mm(0.5), width,
              titlesAt + l.LineHeight(head) + mm(0.5), 10);

    l.PageFooter = Band(l.LineHeight(small));
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), small);

    l.Detail = Band(line);
    l.Detail
        .Value(
            at(NameColumn), 0, wide(NameColumn),
            [this] { return FieldValue(row_->SCANFILENAME.str()); }, QStringLiteral("@s255"), body)
        .Value(
            at(DateColumn), 0, wide(DateColumn), [this] { return FieldValue(qint64(row_->DATE)); },
            QStringLiteral("@D6B"), body)
        .Value(
            at(TimeColumn), 0, wide(TimeColumn), [this] { return FieldValue(qint64(row_->TIME)); },
            QStringLiteral("@T4B"), body)
        .Value(
            at(SizeColumn), 0, wide(SizeColumn), [this] { return FieldValue(row_->SIZE); },
            QStringLiteral("@N_8.1"), body, Align::Right, 1)
        .Value(
            at(AttributeColumn), 0, wide(AttributeColumn),
            [this] { return FieldValue(row_->ATTRIB.str()); }, QStringLiteral("@s20"), body);
}

bool ScanReportPages::Write(const std::vector<ScanFileEntry>& rows, PageStore& pages) {
    ReportWriter writer(Layout, pages);
    for (const ScanFileEntry& row : rows) {
        row_ = &row;
        if (!writer.PrintDetail()) break;
    }
    row_ = nullptr;
    // A list without rows still gets its page with the heading.
    if (rows.empty()) writer.Print(Band());
    return writer.Close() && !writer.Failed();
}
