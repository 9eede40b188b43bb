#pragma once

#include "core/Dictionary.h"
#include "framework/report/ReportLayout.h"

#include <QString>

// The pages of the archive's three printed reports: what each prints of an archive entry,
// and where. Each prints the entry in the record it is given (a report reads into a record
// of its own, so the windows that use the archive's buffer meanwhile keep theirs). The
// procedures that run them call TakeRecord for each entry before printing its detail. The
// report date and time are taken when the report is made.

// The archive, or one class of it, one line per entry.
class SelectionReport {
public:
    // `className` "Everything" lists every class, with the class in the last text column;
    // another class lists only its entries, with their producer there.
    SelectionReport(const QString& className, const ArchiefRecord& entry);
    // The group value of the entry.
    void TakeRecord();

    const ArchiefRecord& Entry;
    ReportLayout Layout;
    bool Everything = false;
    QString Class;       // printed in the header: blank for "Everything"
    QString Heading;     // "Available Software" or "Selection Report of :"
    QString ColumnTitle; // "Software Class" or "Producer"
    QString Group;       // the entry's class or producer
    qint32 Date = 0, Time = 0;
};

// One entry with all its fields and its whole description, over as many pages as it needs.
class SingleRecordReport {
public:
    explicit SingleRecordReport(const ArchiefRecord& entry);
    // The texts of an entry: "None" for a blank medium, name or remark.
    void PrepareTexts(const ArchiefRecord& from);

    const ArchiefRecord& Entry;
    ReportLayout Layout;
    QString CdText, DiskText, NameText, RemarksText;
    qint32 Date = 0, Time = 0;
};

// Every entry with the full set of columns, two lines each, on landscape paper.
class DatabaseReport {
public:
    explicit DatabaseReport(const ArchiefRecord& entry);

    const ArchiefRecord& Entry;
    ReportLayout Layout;
    qint32 Date = 0, Time = 0;
};
