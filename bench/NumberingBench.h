#pragma once

#include <QString>

// The next free CD number on a catalogue of `entries` entries spread over 2,000 CDs that are
// all in use; prints next_cd_number_<size> in milliseconds.
namespace NumberingBench {
void run(qint64 entries, const QString& label);
}
