#pragma once

#include "framework/FileDef.h"
#include "framework/RecordBuffer.h"

#include <vector>

// The seven data files of the catalogue: descriptions and record buffers.
namespace Dictionary {

const FileDef& Archief();
const FileDef& Prd();
const FileDef& SoortTabel();
const FileDef& IDE();
const FileDef& Log();
const FileDef& Sys();
const FileDef& Drv();

// In the order the file managers are created at start.
std::vector<const FileDef*> files();
const FileDef* file(const QString& label);
const std::vector<RelationDef>& relations();

// Owner password of the users file and the logbook file.
inline constexpr const char* OwnerPassword = "Kestor";

} // namespace Dictionary

struct ArchiefRecord : RecordBuffer {
    quint32 NR = 0;
    quint16 CdNr = 0;
    quint16 DiskNr = 0;
    Text CDiskNaam{35};
    Text Soort{20};
    Text Naam{255};
    qint64 Size = 0; // hundredths of a kilobyte
    qint32 Date = 0;
    qint32 Time = 0;
    Text Producer{80};
    Text Registration{35};
    Text Version{11};
    Text Opmerkingen{40};
    Text Omschrijving{10000};
    ArchiefRecord();
};

struct PrdRecord : RecordBuffer {
    Text Name{30};
    Text Website{80};
    Text Support{30};
    Text Phone{30};
    PrdRecord();
};

struct SoortTabelRecord : RecordBuffer {
    Text Soort{20};
    SoortTabelRecord();
};

struct IdeRecord : RecordBuffer {
    quint16 IDNR = 0;
    Text Name{20};
    Text PASSWORD{20};
    quint8 LEVEL = 0;
    IdeRecord();
};

struct LogRecord : RecordBuffer {
    quint32 NR = 0;
    quint16 ID = 0;
    Text NAME{20};
    qint32 DATUM = 0;
    qint32 LOGINTIME = 0;
    qint32 LOGOUTTIME = 0;
    LogRecord();
};

struct SysRecord : RecordBuffer {
    quint8 ID = 0;
    quint8 DOLOG = 0;
    quint8 HOWLONG = 0;
    quint8 DOBACKUP = 0;
    qint32 LASTBACKUPDATE = 0;
    quint8 BACKUPDAYS = 0;
    Text PATHBACKUPFILES{255};
    SysRecord();
};

struct DrvRecord : RecordBuffer {
    Text DRIVE{3};
    Text KINDOFDRIVE{6};
    DrvRecord();
};
