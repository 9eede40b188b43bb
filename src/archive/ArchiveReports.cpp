#include "archive/ArchiveReports.h"

#include "framework/host/Host.h"

using Units::mm;

namespace {

const QString EverythingName = QStringLiteral("Everything");

FieldValue text(const QString& s) {
    return FieldValue(s);
}
FieldValue number(qint64 n) {
    return FieldValue(n);
}

void stamp(qint32& date, qint32& time) {
    date = Host::instance().today();
    time = Host::instance().clock();
}

} // namespace

// ---- PrintSelection ----------------------------------------------------------------------

SelectionReport::SelectionReport(const QString& className, const ArchiefRecord& entry)
    : Entry(entry),
      Everything(className.trimmed().compare(EverythingName, Qt::CaseInsensitive) == 0) {
    stamp(Date, Time);
    Class = Everything ? QString() : className.trimmed();
    Heading =
        Everything ? QStringLiteral("Available Software") : QStringLiteral("Selection Report of :");
    ColumnTitle = Everything ? QStringLiteral("Software Class") : QStringLiteral("Producer");

    ReportLayout& l = Layout;
    const int title = l.AddFont({QStringLiteral("Arial"), 13, true});
    const int small = l.AddFont({QStringLiteral("Arial"), 9});
    const int body = l.AddFont({QStringLiteral("Times New Roman"), 9});
    const int head = l.AddFont({QStringLiteral("Times New Roman"), 9, true});
    const PageUnits line = l.LineHeight(body);
    const PageUnits width = l.BodyWidth();
    // Columns: from, to (mm within the margins).
    struct Column {
        double from, to;
    };
    const Column cd{0, 14}, disk{15, 29}, name{30, 38}, file{39, 99}, group{100, 150},
        size{151, 164}, version{165, 180};
    auto at = [](const Column& c) { return mm(c.from + 0.8); };
    auto wide = [](const Column& c) { return mm(c.to - c.from - 1.6); };

    const PageUnits boxTop = mm(10);
    const PageUnits boxHeight = line + mm(1.5);
    l.PageHeader = Band(boxTop + boxHeight + mm(2));
    Band& h = l.PageHeader;
    // The heading's own texts are printed whole: the colon of "Selection Report of :" is
    // its twenty-first character.
    h.Value(
         0, 0, mm(60), [this] { return text(Heading); }, {}, title)
        .Value(
            mm(62), 0, mm(50), [this] { return text(Class); }, QStringLiteral("@s20"), title)
        .Text(mm(122), mm(1), mm(12), QStringLiteral("Date :"), small)
        .Value(
            mm(134), mm(1), mm(20), [this] { return number(Date); }, QStringLiteral("@D6"), small)
        .Text(mm(155), mm(1), mm(11), QStringLiteral("Time :"), small)
        .Value(
            mm(166), mm(1), mm(14), [this] { return number(Time); }, QStringLiteral("@T4"), small)
        .Box(0, boxTop, width, boxHeight, 20);
    for (const Column* c : {&disk, &name, &file, &group, &size, &version})
        h.Rule(mm(c->from - 0.5), boxTop, mm(c->from - 0.5), boxTop + boxHeight, 10);
    const PageUnits headText = boxTop + mm(0.75);
    h.Text(at(cd), headText, wide(cd), QStringLiteral("Cd Nr."), head)
        .Text(at(disk), headText, wide(disk), QStringLiteral("Disk Nr."), head)
        .Text(at(name), headText, wide(name), QStringLiteral("Name"), head)
        .Text(at(file), headText, wide(file), QStringLiteral("File Name"), head)
        .Value(
            at(group), headText, wide(group), [this] { return text(ColumnTitle); },
            QStringLiteral("@s20"), head)
        .Text(at(size), headText, wide(size), QStringLiteral("Size"), head)
        .Text(at(version), headText, wide(version), QStringLiteral("Version"), head);

    l.PageFooter = Band(line);
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), small);

    l.Detail = Band(line);
    l.Detail
        .Value(
            at(cd), 0, wide(cd), [this] { return number(Entry.CdNr); }, QStringLiteral("@N_6B"),
            body, Align::Right)
        .Value(
            at(disk), 0, wide(disk), [this] { return number(Entry.DiskNr); },
            QStringLiteral("@N_6B"), body, Align::Right)
        .Value(
            at(name), 0, wide(name), [this] { return text(Entry.CDiskNaam); },
            QStringLiteral("@s3"), body)
        .Value(
            at(file), 0, wide(file), [this] { return text(Entry.Naam); }, QStringLiteral("@s35"),
            body)
        .Value(
            at(group), 0, wide(group), [this] { return text(Group); }, QStringLiteral("@s30"), body)
        .Value(
            at(size), 0, wide(size), [this] { return number(Entry.Size); }, QStringLiteral("@s6"),
            body, Align::Left, 2)
        .Value(
            at(version), 0, wide(version), [this] { return text(Entry.Version); },
            QStringLiteral("@s11"), body);
}

void SelectionReport::TakeRecord() {
    Group = Everything ? Entry.Soort.str() : Entry.Producer.str().left(30);
}

// ---- PrintSingleRecord -------------------------------------------------------------------

SingleRecordReport::SingleRecordReport(const ArchiefRecord& entry) : Entry(entry) {
    stamp(Date, Time);
    ReportLayout& l = Layout;
    const int title = l.AddFont({QStringLiteral("Arial"), 14, true});
    const int small = l.AddFont({QStringLiteral("Arial"), 9});
    const int label = l.AddFont({QStringLiteral("Times New Roman"), 11, true});
    const int body = l.AddFont({QStringLiteral("Times New Roman"), 11});
    const PageUnits line = l.LineHeight(body) + mm(1);
    const PageUnits valueAt = mm(45), valueWidth = l.BodyWidth() - valueAt;

    l.PageHeader = Band(mm(16));
    l.PageHeader.Text(0, 0, mm(26), QStringLiteral("Report of "), title)
        .Value(
            mm(26), 0, mm(100), [this] { return text(Entry.Naam); }, QStringLiteral("@s35"), title)
        .Text(mm(128), mm(1), mm(12), QStringLiteral("Date :"), small)
        .Value(
            mm(140), mm(1), mm(18), [this] { return number(Date); }, QStringLiteral("@D6"), small)
        .Text(mm(158), mm(1), mm(10), QStringLiteral("Time :"), small)
        .Value(
            mm(168), mm(1), mm(14), [this] { return number(Time); }, QStringLiteral("@T4"), small)
        .Rule(0, mm(10), l.BodyWidth(), mm(10), 20);
    l.PageFooter = Band(l.LineHeight(small));
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), small);

    struct Row {
        const char* label;
        ValueSource value;
        const char* picture;
        int scale;
    };
    const Row rows[] = {
        {"Record number :", [this] { return number(Entry.NR); }, "@N06", 0},
        {"Cd Nr. :", [this] { return text(CdText); }, "@s6", 0},
        {"Disk Nr. :", [this] { return text(DiskText); }, "@s6", 0},
        {"Name :", [this] { return text(NameText); }, "@s50", 0},
        {"Program class :", [this] { return text(Entry.Soort); }, "@s20", 0},
        {"Date :", [this] { return number(Entry.Date); }, "@D6B", 0},
        {"Time :", [this] { return number(Entry.Time); }, "@T4B", 0},
        {"Size :", [this] { return number(Entry.Size); }, "@N6_.1B", 2},
        {"Producer :", [this] { return text(Entry.Producer); }, "@s30", 0},
        {"Version :", [this] { return text(Entry.Version); }, "@s11", 0},
        {"Registration nr. :", [this] { return text(Entry.Registration); }, "@s35", 0},
        {"Remarks :", [this] { return text(RemarksText); }, "@s40", 0},
    };
    const PageUnits rowCount = PageUnits(std::size(rows));
    l.Detail = Band((rowCount + 1) * line);
    PageUnits y = 0;
    for (const Row& r : rows) {
        l.Detail.Text(0, y, valueAt - mm(2), QString::fromLatin1(r.label), label)
            .Value(valueAt, y, valueWidth, r.value, QString::fromLatin1(r.picture), body,
                   Align::Left, r.scale);
        y += line;
    }
    l.Detail.Text(0, y, valueAt - mm(2), QStringLiteral("Description :"), label)
        .Wrapped(
            valueAt, y, valueWidth, [this] { return text(Entry.Omschrijving); }, body);
}

void SingleRecordReport::PrepareTexts(const ArchiefRecord& from) {
    const QString none = QStringLiteral("None");
    CdText = from.CdNr ? QString::number(from.CdNr) : none;
    DiskText = from.DiskNr ? QString::number(from.DiskNr) : none;
    NameText = from.CDiskNaam.isBlank() ? none : from.CDiskNaam.str();
    RemarksText = from.Opmerkingen.isBlank() ? none : from.Opmerkingen.str();
}

// ---- PrintDatabase -----------------------------------------------------------------------

DatabaseReport::DatabaseReport(const ArchiefRecord& entry) : Entry(entry) {
    stamp(Date, Time);
    ReportLayout& l = Layout;
    l.Paper = {29700, 21000}; // landscape: every column at its full width
    const int title = l.AddFont({QStringLiteral("Arial"), 14, true});
    const int body = l.AddFont({QStringLiteral("MS Sans Serif"), 8});
    const int head = l.AddFont({QStringLiteral("MS Sans Serif"), 8, true});
    const PageUnits line = l.LineHeight(body);
    const PageUnits width = l.BodyWidth();
    struct Column {
        double from, to;
    };
    // First line: medium numbers, drive and label, class, name. Second line: size under the
    // numbers, date and time under the class, registration and remarks under the name.
    const Column cd{0, 15}, disk{16, 31}, label{33, 88}, kind{90, 124}, name{126, 267}, size{0, 31},
        date{90, 107}, time{108, 124}, registration{126, 180}, remarks{182, 267};
    auto at = [](const Column& c) { return mm(c.from + 0.5); };
    auto wide = [](const Column& c) { return mm(c.to - c.from - 1); };

    const PageUnits boxTop = mm(9);
    const PageUnits boxHeight = 2 * line + mm(1.5);
    l.PageHeader = Band(boxTop + boxHeight + mm(2));
    const PageUnits h1 = boxTop + mm(0.75), h2 = h1 + line;
    l.PageHeader.Text(0, 0, mm(120), QStringLiteral("Software Database"), title)
        .Text(mm(200), mm(1), mm(10), QStringLiteral("Date"), head)
        .Value(
            mm(210), mm(1), mm(18), [this] { return number(Date); }, QStringLiteral("@D5B"), body)
        .Text(mm(230), mm(1), mm(12), QStringLiteral("Time : "), head)
        .Value(
            mm(242), mm(1), mm(25), [this] { return number(Time); }, QStringLiteral("@T4B"), body)
        .Box(0, boxTop, width, boxHeight, 20)
        .Text(at(cd), h1, wide(cd), QStringLiteral("Cd Nr"), head, Align::Right)
        .Text(at(disk), h1, wide(disk), QStringLiteral("Disk Nr"), head, Align::Right)
        .Text(at(label), h1, wide(label), QStringLiteral("Drive /"), head)
        .Text(at(label), h2, wide(label), QStringLiteral("Label"), head)
        .Text(at(kind), h1, wide(kind), QStringLiteral("Software Class"), head)
        .Text(at(name), h1, wide(name), QStringLiteral("Naam"), head)
        .Text(at(size), h2, wide(size), QStringLiteral("Size"), head, Align::Right)
        .Text(at(date), h2, wide(date), QStringLiteral("Date"), head)
        .Text(at(time), h2, wide(time), QStringLiteral("Time"), head)
        .Text(at(registration), h2, wide(registration), QStringLiteral("Registration"), head)
        .Text(at(remarks), h2, wide(remarks), QStringLiteral("Opmerkingen"), head);

    l.PageFooter = Band(line);
    l.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), body);

    // The two lines of an entry, with a little room before the next.
    l.Detail = Band(2 * line + mm(1));
    l.Detail
        .Value(
            at(cd), 0, wide(cd), [this] { return number(Entry.CdNr); }, QStringLiteral("@N_6"),
            body, Align::Right)
        .Value(
            at(disk), 0, wide(disk), [this] { return number(Entry.DiskNr); },
            QStringLiteral("@N_6"), body, Align::Right)
        .Value(
            at(label), 0, wide(label), [this] { return text(Entry.CDiskNaam); },
            QStringLiteral("@s35"), body)
        .Value(
            at(kind), 0, wide(kind), [this] { return text(Entry.Soort); }, QStringLiteral("@s20"),
            body)
        .Value(
            at(name), 0, wide(name), [this] { return text(Entry.Naam); }, QStringLiteral("@s100"),
            body)
        .Value(
            at(size), line, wide(size), [this] { return number(Entry.Size); },
            QStringLiteral("@N6_.2B"), body, Align::Right, 2)
        .Value(
            at(date), line, wide(date), [this] { return number(Entry.Date); },
            QStringLiteral("@D5"), body)
        .Value(
            at(time), line, wide(time), [this] { return number(Entry.Time); },
            QStringLiteral("@T4"), body)
        .Value(
            at(registration), line, wide(registration), [this] { return text(Entry.Registration); },
            QStringLiteral("@s35"), body)
        .Value(
            at(remarks), line, wide(remarks), [this] { return text(Entry.Opmerkingen); },
            QStringLiteral("@s40"), body);
}
