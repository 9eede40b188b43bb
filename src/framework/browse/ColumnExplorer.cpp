#include "framework/browse/ColumnExplorer.h"

#include "framework/IniManager.h"
#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/browse/ColumnUnit.h"
#include "framework/browse/ListExport.h"
#include "framework/host/Host.h"
#include "framework/window/BusyCursor.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QProgressDialog>
#include <QTableView>
#include <algorithm>

namespace {

const QString OrderKey = QStringLiteral("ColumnOrder");
const QString WidthsKey = QStringLiteral("ColumnWidths");
const QString HiddenKey = QStringLiteral("HiddenColumns");
const QString SortKey = QStringLiteral("SortColumn");
const QString DescendingKey = QStringLiteral("SortDescending");

// Numbers of a kept list ("3,0,1"); empty when one is not a number.
std::vector<int> numbers(const QString& text) {
    std::vector<int> out;
    if (text.trimmed().isEmpty()) return out;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok) return {};
        out.push_back(n);
    }
    return out;
}

QString joined(const std::vector<int>& values) {
    QStringList parts;
    for (int v : values)
        parts << QString::number(v);
    return parts.join(u',');
}

// Menu items: three sorts, the columns, the export.
constexpr int SortRising = 1;
constexpr int SortFalling = 2;
constexpr int SortCleared = 3;
constexpr int FirstColumnItem = 4;

} // namespace

ColumnExplorer::ColumnExplorer(BrowseList& list, BrowseManager& browse, IniManager& settings,
                               QString section, Widths widths)
    : list_(list), browse_(browse), settings_(settings), section_(std::move(section)),
      widths_(widths) {
    QHeaderView& header = list_.header();
    header.setSectionsMovable(true);
    header.setSectionsClickable(true);
    header.setSectionResizeMode(QHeaderView::Interactive);
    header.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&header, &QHeaderView::sectionClicked, this,
            [this](int column) { HeaderClicked(column); });
    connect(&header, &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowMenu(list_.header().logicalIndexAt(at)); });
    Restore();
}

// A layout kept for other columns than the list has now is not used.
void ColumnExplorer::Restore() {
    QHeaderView& header = list_.header();
    const int count = list_.model().columnCount();
    const std::vector<int> order = numbers(settings_.Fetch(section_, OrderKey));
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    bool fits = int(order.size()) == count;
    for (int i = 0; fits && i < count; ++i)
        fits = sorted[size_t(i)] == i;
    if (fits)
        for (int place = 0; place < count; ++place)
            header.moveSection(header.visualIndex(order[size_t(place)]), place);

    const std::vector<int> widths = widths_ == Widths::Kept
                                        ? numbers(settings_.Fetch(section_, WidthsKey))
                                        : std::vector<int>{};
    if (int(widths.size()) == count) {
        for (int i = 0; i < count; ++i)
            if (widths[size_t(i)] > 0)
                list_.table().setColumnWidth(i, columnPixels(list_.table(), widths[size_t(i)]));
    }
    for (int column : numbers(settings_.Fetch(section_, HiddenKey)))
        if (column >= 0 && column < count) SetHidden(column, true);

    const int sort = settings_.Fetch(section_, SortKey).toInt() - 1;
    const bool descending = settings_.Fetch(section_, DescendingKey).toInt() != 0;
    if (sort >= 0 && sort < count)
        SortBy(sort, descending);
    else
        header.setSortIndicatorShown(false);
}

void ColumnExplorer::Save() const {
    const QHeaderView& header = list_.header();
    const int count = list_.model().columnCount();
    std::vector<int> order, widths, hidden;
    for (int place = 0; place < count; ++place)
        order.push_back(header.logicalIndex(place));
    for (int i = 0; i < count; ++i) {
        // A hidden column keeps the width it will come back with.
        const int pixels = header.isSectionHidden(i) ? header.sectionSize(i) : 0;
        widths.push_back(
            columnKeptWidth(list_.table(), pixels ? pixels : list_.table().columnWidth(i)));
        if (header.isSectionHidden(i)) hidden.push_back(i);
    }
    settings_.Update(section_, OrderKey, joined(order));
    if (widths_ == Widths::Kept) settings_.Update(section_, WidthsKey, joined(widths));
    settings_.Update(section_, HiddenKey, joined(hidden));
    settings_.Update(section_, SortKey, qint64(sortColumn_ + 1));
    settings_.Update(section_, DescendingKey, qint64(descending_ ? 1 : 0));
}

void ColumnExplorer::HeaderClicked(int column) {
    if (column < 0 || column >= list_.model().columnCount()) return;
    SortBy(column, column == sortColumn_ && !descending_);
}

void ColumnExplorer::SortBy(int column, bool descending) {
    if (column >= list_.model().columnCount()) column = -1;
    sortColumn_ = column;
    descending_ = column >= 0 && descending;
    applySort();
}

void ColumnExplorer::applySort() {
    QHeaderView& header = list_.header();
    if (sortColumn_ < 0) {
        header.setSortIndicatorShown(false);
        browse_.SetColumnOrder({});
    } else {
        header.setSortIndicatorShown(true);
        header.setSortIndicator(sortColumn_,
                                descending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
        const BusyCursor busy;
        const int field = list_.model().columns()[size_t(sortColumn_)].Field;
        browse_.SetColumnOrder(browse_.ColumnOrderText(field, descending_));
    }
    if (browse_.Opened) browse_.UpdateWindow();
    if (Changed) Changed();
}

bool ColumnExplorer::IsHidden(int column) const {
    return list_.header().isSectionHidden(column);
}

void ColumnExplorer::SetHidden(int column, bool hidden) {
    QHeaderView& header = list_.header();
    if (column < 0 || column >= list_.model().columnCount()) return;
    if (hidden && header.count() - header.hiddenSectionCount() <= 1) return;
    header.setSectionHidden(column, hidden);
    // A column kept hidden by a format that writes no width for it comes back at its default.
    if (!hidden && header.sectionSize(column) < 12)
        header.resizeSection(column, header.defaultSectionSize());
}

QString ColumnExplorer::MenuText(int column) const {
    const bool onColumn = column >= 0 && column < list_.model().columnCount();
    const QString grey = onColumn ? QString() : QStringLiteral("~");
    QString text = grey + QStringLiteral("Sort &ascending|") + grey +
                   QStringLiteral("Sort &descending|") +
                   (sortColumn_ < 0 ? QStringLiteral("~") : QString()) +
                   QStringLiteral("&Clear sort|-|C&olumns{");
    const QHeaderView& header = list_.header();
    const bool lastShown = header.count() - header.hiddenSectionCount() <= 1;
    const std::vector<BrowseColumn>& columns = list_.model().columns();
    for (size_t i = 0; i < columns.size(); ++i) {
        const bool shown = !header.isSectionHidden(int(i));
        if (i) text += u'|';
        if (shown && lastShown) text += u'~';
        if (shown) text += u'+';
        // A heading is shown as it stands; "|", "{" and "}" would end the item.
        QString heading = columns[i].Header;
        heading.replace(u'|', u'/').replace(u'{', u'(').replace(u'}', u')');
        text += heading.isEmpty() ? QStringLiteral("(%1)").arg(i + 1) : heading;
    }
    return text + QStringLiteral("}|-|&Export list...");
}

void ColumnExplorer::ShowMenu(int column) {
    const int chosen = Host::instance().popupMenu(MenuText(column));
    const int columns = list_.model().columnCount();
    const bool onColumn = column >= 0 && column < columns;
    if (chosen == SortRising && onColumn)
        SortBy(column, false);
    else if (chosen == SortFalling && onColumn)
        SortBy(column, true);
    else if (chosen == SortCleared)
        ClearSort();
    else if (chosen >= FirstColumnItem && chosen < FirstColumnItem + columns)
        SetHidden(chosen - FirstColumnItem, !IsHidden(chosen - FirstColumnItem));
    else if (chosen == FirstColumnItem + columns)
        ExportList();
}

std::vector<BrowseColumn> ColumnExplorer::ShownColumns() const {
    const QHeaderView& header = list_.header();
    std::vector<BrowseColumn> out;
    for (int place = 0; place < header.count(); ++place) {
        const int column = header.logicalIndex(place);
        if (!header.isSectionHidden(column)) out.push_back(list_.model().columns()[size_t(column)]);
    }
    return out;
}

bool ColumnExplorer::ExportList() {
    const QString path = Host::instance().fileDialog(
        QStringLiteral("Export list"), QStringLiteral("CSV file|*.csv|HTML table|*.html"),
        QString(), true);
    if (path.isEmpty()) return false;
    return ExportTo(path);
}

bool ColumnExplorer::ExportTo(const QString& path) {
    qint64 total = 0;
    std::unique_ptr<store::Cursor> view;
    {
        const BusyCursor busy;
        total = std::max<qint64>(0, browse_.Count());
        view = browse_.CopyOfView();
    }
    ListExport out(std::move(view), browse_.Buffer->def(), ShownColumns(),
                   ListExport::FormatOf(path), Title);
    QProgressDialog progress(QStringLiteral("Exporting the list..."), QStringLiteral("Cancel"), 0,
                             1000, list_.window());
    progress.setWindowTitle(QStringLiteral("Export list"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const bool written = out.WriteAll(path, total, [&](qint64 done, qint64 all) {
        progress.setValue(all > 0 ? int(std::min<qint64>(1000, done * 1000 / all)) : 0);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    if (!written && !progress.wasCanceled())
        Host::instance().message(QStringLiteral("The list could not be exported to ") + path +
                                     QStringLiteral(" : ") + out.Error(),
                                 QStringLiteral("Export list"), Icon::Exclamation, ButtonOk,
                                 ButtonOk);
    return written;
}
