#include "scan/ScanImport.h"

#include "archive/DescriptionText.h"
#include "archive/MediaFiles.h"
#include "core/DataFiles.h"
#include "core/Process.h"
#include "framework/Pictures.h"
#include "framework/host/Host.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {

const QString Caption = QStringLiteral("Wareloft");
// Seconds a slice waits for the archive while another writer holds it, in all.
constexpr qint64 MostWaitMs = 30000;

QString crlf() {
    return QStringLiteral("\r\n");
}

} // namespace

ScanImport::ScanImport(const ScanSource& source, const ScanNumbers& numbers,
                       std::vector<ScanFileEntry> files, bool contentRequest)
    : source_(source), numbers_(numbers), files_(std::move(files)),
      contentRequest_(contentRequest) {}

std::vector<ScanImport::Notice> ScanImport::takeNotices() {
    std::vector<Notice> out;
    out.swap(notices_);
    return out;
}

void ScanImport::stop(const QString& why) {
    failure_ = why;
    done_ = true;
}

QString ScanImport::question() const {
    if (!waiting_) return {};
    const ScanFileEntry& row = files_[next_];
    return QStringLiteral("RECORD ALREADY EXISTS :") + crlf() + QStringLiteral("Replace ") +
           found_.CDiskNaam.str() + QStringLiteral(", File : ") + found_.Naam.str() + crlf() +
           QStringLiteral("Date ") + Pictures::format(found_.Date, QStringLiteral("@D6")) +
           QStringLiteral(", Time ") + Pictures::format(found_.Time, QStringLiteral("@T4")) +
           crlf() + crlf() + QStringLiteral("WITH THIS ONE : ") + crlf() + found_.CDiskNaam.str() +
           QStringLiteral(", File : ") + row.SCANFILENAME.str() + crlf() + QStringLiteral("Date ") +
           Pictures::format(row.DATE, QStringLiteral("@D6")) + QStringLiteral(", Time ") +
           Pictures::format(row.TIME, QStringLiteral("@T4"));
}

void ScanImport::answer(int button) {
    if (!waiting_) return;
    waiting_ = false;
    switch (button) {
    case Yes:
        rowAnswer_ = ReplaceAll;
        break;
    case YesToAll:
        rowAnswer_ = ReplaceAll;
        duplicates_ = ReplaceAll;
        break;
    case NoToAll:
        rowAnswer_ = NoToAll;
        duplicates_ = AddBeside;
        break;
    default:
        rowAnswer_ = -1; // the file is left alone
        break;
    }
}

// The entry in ARC from the scanned row; false when the import must stop.
bool ScanImport::fill(const ScanFileEntry& row, Slice& slice) {
    ARC.Omschrijving.clear();
    ARC.CdNr = numbers_.cdNr;
    ARC.DiskNr = numbers_.diskNr;
    ARC.Naam = row.SCANFILENAME.str();
    ARC.CDiskNaam = source_.name;
    ARC.Size = row.SIZE * 10;
    ARC.Date = row.DATE;
    ARC.Time = row.TIME;
    ARC.Producer = source_.producer;
    ARC.Soort = source_.softwareClass;
    const bool content = contentRequest_ || source_.readsContent();
    contentRequest_ = false;
    if (!content || !DescriptionText::takesContent(row.SCANFILENAME)) return true;
    const QString file = source_.drive.trimmed() + row.SCANFILENAME.str();
    const QString host =
        driveFolder_.isEmpty()
            ? QString()
            : Host::instance().hostPath(driveFolder_ + QLatin1Char('/') + row.SCANFILENAME.str());
    const DescriptionText::Result read = DescriptionText::read(host);
    if (read.opened) {
        ARC.Omschrijving = read.text;
        return true;
    }
    // A drive that went away leaves every further description empty: stop rather than
    // fill the archive with entries that lack them.
    const MediaFiles::DriveState drive = MediaFiles::driveState(source_.drive.trimmed());
    if (drive != MediaFiles::DriveState::Ready) {
        stop(MediaFiles::notReadyText(source_.drive.trimmed(), drive));
        return false;
    }
    slice.notices.push_back({Caption, QStringLiteral("Error with ") + file +
                                          QStringLiteral(" :  ") + read.error.trimmed() + crlf() +
                                          QStringLiteral("File probably in use, filecontent "
                                                         "cannot be imported")});
    return true;
}

ScanImport::Outcome ScanImport::write(bool replace, Slice& slice) {
    FileManager& archive = Access::Archief();
    const int level = replace ? archive.TryUpdate() : archive.TryBulkInsert();
    if (level == LevelBenign) return replace ? Outcome::Replaced : Outcome::Inserted;
    const int error = archive.Usage().LastError;
    if (const ErrorManager::Entry* e = archive.Errors ? archive.Errors->Find(error) : nullptr)
        slice.notices.push_back({e->Title, archive.Errors->SubsString(error)});
    slice.notices.push_back({Caption, QStringLiteral("Unable to update Achive")});
    return Outcome::Failed;
}

ScanImport::Outcome ScanImport::importOne(const ScanFileEntry& row, Slice& slice) {
    bool replace = false;
    ARC.clear();
    if (!numbers_.newName) {
        found_.clear();
        found_.Naam = row.SCANFILENAME.str();
        const int code = Access::Archief().File->get(ArcKey::KeyNaam, found_);
        if (code == store::Ok) {
            int answer = rowAnswer_;
            if (answer == 0) answer = duplicates_;
            if (answer == Ask) return Outcome::Ask;
            if (answer == -1) return Outcome::Left;
            if (answer == NoToAll) return Outcome::Declined;
            ARC.copyFrom(found_);
            replace = answer == ReplaceAll;
            if (!replace) ARC.setIdentity({}); // a new entry beside the one found
        } else if (code != store::NoRecord) {
            stop(QStringLiteral("The archive could not be read: %1")
                     .arg(Access::Archief().File->status().text));
            return Outcome::Stop;
        }
    }
    if (!fill(row, slice)) return Outcome::Stop;
    if (!replace) ARC.NR = 0;
    return write(replace, slice);
}

ScanImport::State ScanImport::step(int milliseconds) {
    if (done_) return State::Done;
    if (waiting_) return State::Question;
    if (cancelled_ || next_ >= files_.size()) {
        done_ = true;
        return State::Done;
    }
    FileManager& archive = Access::Archief();
    if (archive.UseFile() != LevelBenign) {
        stop(QStringLiteral("The archive cannot be opened."));
        return State::Done;
    }
    store::RecordStore& store = Process::instance().store();
    if (store.begin({archive.File}, 1) != store::Ok) {
        // Another writer holds the archive: the next slice tries again, for a while.
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (busySince_ == 0) busySince_ = now;
        if (now - busySince_ > MostWaitMs)
            stop(QStringLiteral("The archive is in use elsewhere (%1).").arg(store.status().text));
        return done_ ? State::Done : State::Working;
    }
    busySince_ = 0;
    QElapsedTimer clock;
    clock.start();
    Slice slice;
    driveFolder_ = Host::instance().hostPath(source_.drive.trimmed());
    bool ask = false;
    const size_t first = next_;
    // The slice's transaction holds the archive's write lock: its entries are numbered on
    // from one look-up.
    if (archive.BeginBulkInsert() != LevelBenign) {
        store.rollback();
        stop(QStringLiteral("The archive cannot be opened."));
        return State::Done;
    }
    while (next_ < files_.size() && next_ - first < size_t(MostPerSlice) &&
           (next_ == first || clock.elapsed() < milliseconds)) {
        const Outcome outcome = importOne(files_[next_], slice);
        if (outcome == Outcome::Ask) {
            ask = true;
            break;
        }
        if (outcome == Outcome::Stop) break;
        rowAnswer_ = 0;
        ++slice.handled;
        if (outcome == Outcome::Inserted) ++slice.inserted;
        if (outcome == Outcome::Replaced) ++slice.replaced;
        if (outcome == Outcome::Declined) ++slice.declined;
        ++next_;
    }
    archive.EndBulkInsert();
    ARC.clear();
    if (store.commit() != store::Ok) {
        const QString why = store.status().text;
        store.rollback();
        next_ = first;
        stop(QStringLiteral("The entries could not be stored (%1); the last %2 were not "
                            "imported.")
                 .arg(why)
                 .arg(slice.handled));
        return State::Done;
    }
    handled_ += slice.handled;
    inserted_ += slice.inserted;
    replaced_ += slice.replaced;
    declined_ += slice.declined;
    GLO.ArchiveCount += quint32(slice.inserted);
    for (Notice& n : slice.notices)
        notices_.push_back(std::move(n));
    if (done_) return State::Done;
    if (ask) {
        waiting_ = true;
        return State::Question;
    }
    if (next_ >= files_.size() || cancelled_) done_ = true;
    return done_ ? State::Done : State::Working;
}

void ScanImport::runAll(int unanswered) {
    for (;;) {
        const State state = step(1000);
        if (state == State::Done) return;
        if (state == State::Question) answer(unanswered);
    }
}
