#include "producers/ProducerReport.h"

#include "framework/host/Host.h"

using Units::mm;

ProducerReport::ProducerReport(const PrdRecord& entry)
    : Entry(entry), Date(Host::instance().today()), Time(Host::instance().clock()) {
    ReportLayout& l = Layout;
    l.Paper = {29700, 21000};
    const int title = l.AddFont({QStringLiteral("Arial"), 14, true});
    const int small = l.AddFont({QStringLiteral("Arial"), 9});
    const int head = l.AddFont({QStringLiteral("Arial"), 10, true});
    const int body = l.AddFont({QStringLiteral("Arial"), 9});
    const PageUnits headAt = mm(11);
    const PageUnits ruleAt = headAt + l.LineHeight(head) + mm(0.5);
    // Four columns of equal width, a little room between them.
    const PageUnits column = l.BodyWidth() / 4;
    const PageUnits wide = column - mm(2);
    auto at = [column](int n) { return PageUnits(n) * column; };

    l.PageHeader = Band(ruleAt + mm(2));
    l.PageHeader.Text(0, 0, mm(120), QStringLiteral("Software Producers"), title)
        .Text(mm(205), mm(1), mm(12), QStringLiteral("Date :"), small)
        .Value(
            mm(217), mm(1), mm(20), [this] { return FieldValue(qint64(Date)); },
            QStringLiteral("@d6-"), small)
        .Text(mm(240), mm(1), mm(11), QStringLiteral("Time :"), small)
        .Value(
            mm(251), mm(1), mm(16), [this] { return FieldValue(qint64(Time)); },
            QStringLiteral("@T4_"), small);
    const char* heads[] = {"Name", "Website", "Support", "Phone"};
    for (int n = 0; n < 4; ++n)
        l.PageHeader.Text(at(n), headAt, wide, QString::fromLatin1(heads[n]), head);
    l.PageHeader.Rule(0, ruleAt, l.BodyWidth(), ruleAt, 15);

    l.PageFooter = Band(l.LineHeight(small));
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), small);

    const Text* fields[] = {&Entry.Name, &Entry.Website, &Entry.Support, &Entry.Phone};
    l.Detail = Band(l.LineHeight(body));
    for (int n = 0; n < 4; ++n) {
        const Text* field = fields[n];
        l.Detail.Value(
            at(n), 0, wide, [field] { return FieldValue(field->str()); }, QStringLiteral("@s30"),
            body);
    }
}
