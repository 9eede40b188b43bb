#pragma once

#include "framework/FileManager.h"
#include "framework/RelationGuard.h"

#include <array>
#include <memory>

// The file manager and relation guard of each data file, created in the order Archief, Sys,
// Log, IDE, Prd, SoortTabel, Drv with their keys and relations. Nothing is opened here.
class DataFiles {
public:
    enum File { Archief, Sys, Log, IDE, Prd, SoortTabel, Drv, Count };

    DataFiles(store::RecordStore& store, ErrorManager& errors);
    ~DataFiles();
    DataFiles(const DataFiles&) = delete;
    DataFiles& operator=(const DataFiles&) = delete;

    FileManager& manager(File file) { return *managers_[file]; }
    RelationGuard& guard(File file) { return *guards_[file]; }

    static DataFiles& instance();

private:
    std::array<std::unique_ptr<FileManager>, Count> managers_;
    std::array<std::unique_ptr<RelationGuard>, Count> guards_;
};

// The file managers and relation guards by file, for the procedures.
namespace Access {
inline FileManager& Archief() {
    return DataFiles::instance().manager(DataFiles::Archief);
}
inline FileManager& Sys() {
    return DataFiles::instance().manager(DataFiles::Sys);
}
inline FileManager& Log() {
    return DataFiles::instance().manager(DataFiles::Log);
}
inline FileManager& IDE() {
    return DataFiles::instance().manager(DataFiles::IDE);
}
inline FileManager& Prd() {
    return DataFiles::instance().manager(DataFiles::Prd);
}
inline FileManager& SoortTabel() {
    return DataFiles::instance().manager(DataFiles::SoortTabel);
}
inline FileManager& Drv() {
    return DataFiles::instance().manager(DataFiles::Drv);
}
} // namespace Access

namespace Relate {
inline RelationGuard& Archief() {
    return DataFiles::instance().guard(DataFiles::Archief);
}
inline RelationGuard& Sys() {
    return DataFiles::instance().guard(DataFiles::Sys);
}
inline RelationGuard& Log() {
    return DataFiles::instance().guard(DataFiles::Log);
}
inline RelationGuard& IDE() {
    return DataFiles::instance().guard(DataFiles::IDE);
}
inline RelationGuard& Prd() {
    return DataFiles::instance().guard(DataFiles::Prd);
}
inline RelationGuard& SoortTabel() {
    return DataFiles::instance().guard(DataFiles::SoortTabel);
}
inline RelationGuard& Drv() {
    return DataFiles::instance().guard(DataFiles::Drv);
}
} // namespace Relate

// Key numbers of the data files, as declared.
namespace ArcKey {
enum { IDkey = 1, KeyCdNr, KeyDiskNr, KeyDiskCdNaam, KeyNaam, KeySoort, KeyProducer, Key_Date };
}
namespace PrdKey {
enum { KeyName = 1 };
}
namespace SrtKey {
enum { KeySoort = 1 };
}
namespace IdeKey {
enum { KeyID = 1, KeyName };
}
namespace LogKey {
enum { KeyNr = 1, KeyDate, KeyID, KeyName };
}
namespace SysKey {
enum { KeyID = 1 };
}
namespace DrvKey {
enum { KeyDrive = 1 };
}
