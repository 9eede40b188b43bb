#pragma once

#include "framework/report/ReportLayout.h"

#include <QString>

// The pages of the archive's three printed reports over the archive's record buffer: what
// each prints and where. The procedures that run them (PrintSelection, PrintSingleRecord,
// PrintDatabase) call TakeRecord for each entry before printing its detail. The report
// date and time are taken when the report is made.

// The archive, or one class of it, one line per entry.
class SelectionReport {
public:
    // `className` "Everything" lists every class, with the class in the last text column;
    // another class lists only its entries, with their producer there.
    explicit SelectionReport(const QString& className);
    // The group value of the entry in the buffer.
    void TakeRecord();

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
    SingleRecordReport();
    // The texts of the entry now in the buffer: "None" for a blank medium, name or remark.
    void PrepareTexts();

    ReportLayout Layout;
    QString CdText, DiskText, NameText, RemarksText;
    qint32 Date = 0, Time = 0;
};

// Every entry with the full set of columns, two lines each, on landscape paper.
class DatabaseReport {
public:
    DatabaseReport();

    ReportLayout Layout;
    qint32 Date = 0, Time = 0;
};
