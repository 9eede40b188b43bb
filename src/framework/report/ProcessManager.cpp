#include "framework/report/ProcessManager.h"

#include "framework/ErrorManager.h"

#include <algorithm>

int ProcessManager::ResetView() {
    return PositionAtStart();
}

int ProcessManager::ReadView() {
    return ViewManager::Next();
}

// The view's own count: a range or filter counts only what the report will print, so
// the percentage reaches 100 at its end.
qint64 ProcessManager::PrimaryRecords() {
    return std::max<qint64>(0, Count());
}

qint64 ProcessManager::PrimaryBytes() {
    return File && File->UseFile() == LevelBenign ? File->File->bytes() : 0;
}

int ProcessManager::SetViewQuickScan(bool on) {
    return Primary ? Primary->SetQuickScan(on, 1) : LevelBenign;
}

int ProcessManager::Reset() {
    if (RecordsToProcess == 0) {
        RecordsToProcess = PrimaryRecords();
        if (RecordsToProcess == 0) FileSize = PrimaryBytes();
    }
    BytesRead = 0;
    RecordsProcessed = 0;
    ChildRead = 0;
    for (ProcessManager* child : Children)
        child->isChild_ = true;
    return ResetView();
}

int ProcessManager::Next(bool count) {
    // The children of the current record are read through before the parent moves on.
    while (ChildRead > 0 && ChildRead <= Children.size()) {
        const int level = Children[ChildRead - 1]->Next(count);
        if (level == LevelBenign) return LevelBenign;
        if (level != LevelNotify) return level;
        if (++ChildRead <= Children.size()) Children[ChildRead - 1]->Reset();
    }
    const int level = ReadView();
    if (level != LevelBenign) return level;
    if (count) {
        if (RecordsToProcess == 0 && FileSize > 0) BytesRead += RecordBytes();
        ++RecordsProcessed;
    }
    if (!Children.empty()) {
        ChildRead = 1;
        Children.front()->Reset();
    }
    if (isChild_) return LevelBenign;
    qint64 percent = 0;
    if (RecordsToProcess > 0)
        percent = RecordsProcessed * 100 / RecordsToProcess;
    else if (FileSize > 0)
        percent = BytesRead * 100 / FileSize;
    SetProgress(int(std::min<qint64>(percent, 100)));
    return LevelBenign;
}

void ProcessManager::SetProgress(int percent) {
    if (percent == Percent) return;
    Percent = percent;
    if (Percentile) Percentile(percent);
    if (PText) PText(QString::number(percent) + QStringLiteral("% Complete"));
}
