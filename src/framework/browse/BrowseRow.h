#pragma once

#include "framework/RecordBuffer.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One row of a list as it is kept in memory: its record's fields (memos left out), where
// the record is and which stored record it is.
struct BrowseRow {
    std::vector<FieldValue> Values; // by field number
    QByteArray Position;            // in the order's key
    RecordId Identity;
};

// How a list shows one of its fields.
struct BrowseColumn {
    QString Header;
    int Width = 0; // dialog units: a quarter of the average character width
    Qt::Alignment Align = Qt::AlignLeft;
    Qt::Alignment HeaderAlign = Qt::AlignLeft;
    QString Picture; // "@s40", "@N_6B" ...
    int Field = 0;   // field number
    int Scale = 0;   // decimals a number is held with
};

// The text a list shows for a value in a column, through the column's picture.
QString cellText(const BrowseColumn& column, const FieldValue& value);
