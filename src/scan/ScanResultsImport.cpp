// The imports of the scan results window: the selected file, every file of the directory,
// and the directory with every directory below it. The files are imported in slices from
// a timer, so that the window stays responsive and its progress moves while they run.
#include "scan/ScanResultsWindow.h"

#include "core/Globals.h"
#include "framework/host/Host.h"
#include "framework/window/BusyCursor.h"
#include "framework/window/WindowRegistry.h"
#include "scan/ScanFileModel.h"
#include "scan/ScanListing.h"
#include "scan/TreeFiles.h"

#include <QProgressBar>
#include <QSet>
#include <QTimer>

namespace {

const QString Caption = QStringLiteral("Wareloft");
// Milliseconds of one slice: the progress moves several times a second.
constexpr int SliceMs = 300;
// Text-file problems of a tree shown by name at its end; the rest are counted.
constexpr int NoticesShown = 10;

void notice(const QString& text) {
    Host::instance().message(text, Caption, Icon::Information, ButtonOk, ButtonOk);
}

std::vector<ScanFileEntry>& rows() {
    return GLO.ScanFileQueue.rows;
}

void tellToolbar() {
    if (const int thread = int(GLO.Threads.thread(Instance::Toolbar)))
        WindowRegistry::PostGainFocus(thread);
}

} // namespace

void ScanResultsWindow::settleNumbers() {
    if (numbers_.settled) return;
    C().TakePending();
    numbers_.settle(source_, quint16(std::min<quint32>(ownNumber_, 65535)));
}

void ScanResultsWindow::showCounters(bool soFar) {
    C().Show(CounterGroup);
    C().Show(SoFarPrompt, soFar);
    C().Show(SoFarCount, soFar);
    C().Display(SoFarCount);
    C().Display(TotalCount);
}

bool ScanResultsWindow::askDuplicate(ScanImport& job) {
    const int button = Host::instance().message(job.question(), Caption, Icon::Exclamation,
                                                QString::fromLatin1(ScanImport::QuestionButtons),
                                                ScanImport::NoToAll);
    job.answer(button);
    return true;
}

void ScanResultsWindow::showNotices(ScanImport& job) {
    for (const ScanImport::Notice& n : job.takeNotices()) {
        if (treeImport_) {
            treeNotices_ << n.text;
            continue;
        }
        Host::instance().message(n.text, n.caption.isEmpty() ? Caption : n.caption,
                                 Icon::Information, ButtonOk, ButtonOk);
    }
}

// Takes the handled rows out of the list; directories stay.
void ScanResultsWindow::removeRows(const std::vector<ScanFileEntry>& handled) {
    QSet<QString> names;
    for (const ScanFileEntry& e : handled)
        names.insert(e.SCANFILENAME.str());
    std::erase_if(rows(), [&](const ScanFileEntry& e) {
        return !ScanRows::isDirectory(e) && names.contains(e.SCANFILENAME.str());
    });
}

void ScanResultsWindow::addSelected(bool contentRequest) {
    const int row = currentRow();
    if (row < 0 || ScanRows::isDirectory(rows()[size_t(row)]) || importing_) return;
    settleNumbers();
    ++total_;
    showCounters(false);
    ScanImport job(source_, numbers_, {rows()[size_t(row)]}, contentRequest);
    for (;;) {
        const ScanImport::State state = job.step(1000);
        showNotices(job);
        if (state == ScanImport::State::Done) break;
        if (state == ScanImport::State::Question) askDuplicate(job);
    }
    if (!job.failure().isEmpty()) notice(job.failure());
    remaining_ = std::max<qint64>(0, remaining_ - job.inserted() - job.replaced() - job.declined());
    if (job.handled() > 0) rows().erase(rows().begin() + row);
    PRD.clear();
    if (job.inserted() > 0) tellToolbar();
    showList(row);
}

// Shows the progress and the counters, and holds everything else while the slices run.
void ScanResultsWindow::beginImport(const QString&) {
    importing_ = true;
    soFar_ = 0;
    jobSeen_ = 0;
    treeNotices_.clear();
    busy_ = std::make_unique<BusyCursor>();
    C().Show(ProgressPrompt);
    C().Show(ProgressBar);
    C().Show(CancelImportButton);
    progress_->setValue(0);
    showCounters(true);
    for (int held : {AddAllButton, AddSelectedButton, AddTreeButton, ActionButton, ExploreButton,
                     UpButton, NewScanButton, PrintButton})
        C().Disable(held);
    C().Enable(CancelImportButton);
    setTitle();
    slices_->start();
}

void ScanResultsWindow::addAll() {
    if (importing_ || rows().empty()) return;
    settleNumbers();
    ScanRows::sortByAttribute(rows());
    model_->reload();
    jobFiles_.clear();
    for (const ScanFileEntry& e : rows())
        if (!ScanRows::isDirectory(e)) jobFiles_.push_back(e);
    treeImport_ = false;
    job_ = std::make_unique<ScanImport>(source_, numbers_, jobFiles_);
    beginImport(QStringLiteral("Add All"));
}

void ScanResultsWindow::addTree() {
    if (importing_ || rows().empty()) return;
    settleNumbers();
    treeImport_ = true;
    jobFiles_.clear();
    tree_ = std::make_unique<TreeFiles>(
        source_.drive, path_,
        ScanListing::Patterns(source_.optionCode, parameters_.OtherPattern.str()));
    tree_->start();
    beginImport(QStringLiteral("Add Tree"));
    progress_->setRange(0, 0); // files are still being looked for
    C().SetText(ProgressPrompt, QStringLiteral("Looking for files :"));
}

// While a tree is walked: how many files it found so far.
void ScanResultsWindow::waitForTree() {
    if (!tree_->finished()) {
        C().SetText(ProgressPrompt, QStringLiteral("Looking for files : %1").arg(tree_->found()));
        return;
    }
    jobFiles_ = tree_->take();
    progress_->setRange(0, 100);
    C().SetText(ProgressPrompt, QStringLiteral("Import progress :"));
    job_ = std::make_unique<ScanImport>(source_, numbers_, jobFiles_);
    if (tree_->summary().cancelled) job_->cancel();
}

void ScanResultsWindow::runSlices() {
    if (!job_) {
        if (!tree_) {
            endImport();
            return;
        }
        waitForTree();
        if (!job_) {
            slices_->setInterval(100);
            return;
        }
        slices_->setInterval(0);
    }
    const ScanImport::State state = job_->step(SliceMs);
    const qint64 handled = job_->handled();
    const qint64 added = handled - jobSeen_;
    soFar_ += added;
    total_ += added;
    jobSeen_ = handled;
    if (!jobFiles_.empty()) progress_->setValue(int(handled * 100 / qint64(jobFiles_.size())));
    C().Display(SoFarCount);
    C().Display(TotalCount);
    slices_->stop();
    showNotices(*job_);
    if (state == ScanImport::State::Question) askDuplicate(*job_);
    if (state == ScanImport::State::Done) {
        endImport();
        return;
    }
    slices_->start();
}

void ScanResultsWindow::endImport() {
    slices_->stop();
    slices_->setInterval(0);
    if (tree_ && !tree_->finished()) tree_->cancel();
    busy_.reset();
    const qint64 handled = job_ ? job_->handled() : 0;
    const bool whole = job_ && job_->failure().isEmpty() && !job_->cancelled() &&
                       size_t(handled) == jobFiles_.size();
    if (job_) {
        remaining_ = std::max<qint64>(0, remaining_ - job_->inserted() - job_->replaced() -
                                             job_->declined());
        if (!treeImport_ && whole) {
            std::erase_if(rows(), [](const ScanFileEntry& e) { return !ScanRows::isDirectory(e); });
        } else {
            removeRows({jobFiles_.begin(), jobFiles_.begin() + handled});
        }
        if (treeImport_) {
            remaining_ = int(std::count_if(rows().begin(), rows().end(), [](const auto& e) {
                return !ScanRows::isDirectory(e);
            }));
        }
        if (job_->inserted() > 0) tellToolbar();
    }
    importing_ = false;
    PRD.clear();
    C().Hide(ProgressPrompt);
    C().Hide(ProgressBar);
    C().Hide(CancelImportButton);
    C().Hide(SoFarPrompt);
    C().Hide(SoFarCount);
    progress_->setRange(0, 100);
    showList();

    QStringList report;
    if (job_ && !job_->failure().isEmpty()) report << job_->failure();
    if (tree_) {
        const QString unreadable = tree_->unreadableText(source_.drive);
        if (!unreadable.isEmpty()) report << unreadable;
    }
    if (!treeNotices_.isEmpty()) {
        QStringList shown = treeNotices_.mid(0, NoticesShown);
        if (treeNotices_.size() > NoticesShown)
            shown << QStringLiteral("... and %1 more").arg(treeNotices_.size() - NoticesShown);
        report << shown.join(QStringLiteral("\r\n"));
    }
    if (treeImport_ && job_ && (job_->cancelled() || !report.isEmpty()))
        report.prepend(QStringLiteral("%1 of %2 files were imported.")
                           .arg(job_->inserted() + job_->replaced())
                           .arg(jobFiles_.size()));
    job_.reset();
    tree_.reset();
    jobFiles_.clear();
    treeNotices_.clear();
    if (!report.isEmpty()) notice(report.join(QStringLiteral("\r\n\r\n")));
}
