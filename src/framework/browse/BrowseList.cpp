#include "framework/browse/BrowseList.h"

#include "framework/browse/ColumnUnit.h"
#include "framework/browse/ListFormat.h"

#include "framework/host/HostColour.h"
#include "framework/window/Keys.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr int ThumbRange = 100;

// The table of a list: keys and the mouse go to the window as the browse's events.
class Table : public QTableView {
public:
    explicit Table(BrowseList& list) : QTableView(&list), list_(list) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool ctrl = e->modifiers() & Qt::ControlModifier;
        const bool alt = e->modifiers() & Qt::AltModifier;
        switch (e->key()) {
        case Qt::Key_Up:
            return list_.post(EventKind::ScrollUp);
        case Qt::Key_Down:
            return list_.post(EventKind::ScrollDown);
        case Qt::Key_PageUp:
            return list_.post(EventKind::PageUp);
        case Qt::Key_PageDown:
            return list_.post(EventKind::PageDown);
        case Qt::Key_Home:
            return list_.post(EventKind::ScrollTop);
        case Qt::Key_End:
            return list_.post(EventKind::ScrollBottom);
        case Qt::Key_Insert:
            return list_.post(EventKind::AlertKey, Keys::Insert);
        case Qt::Key_Delete:
            return list_.post(EventKind::AlertKey, Keys::Delete);
        case Qt::Key_Backspace:
            return list_.post(EventKind::AlertKey, Keys::Backspace);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl) return list_.post(EventKind::AlertKey, Keys::CtrlEnter);
            break;
        default:
            break;
        }
        const QString text = e->text();
        if (!ctrl && !alt && text.size() >= 1 && text[0].isPrint()) {
            for (char32_t c : text.toUcs4())
                list_.post(EventKind::AlertKey, BrowseKeys::character(c));
            return;
        }
        e->ignore(); // Enter, Esc and Tab go on to the window
    }
    void mousePressEvent(QMouseEvent* e) override {
        QTableView::mousePressEvent(e); // a click on a row makes it current
        if (e->button() == Qt::RightButton) list_.post(EventKind::AlertKey, Keys::MouseRight);
    }
    void resizeEvent(QResizeEvent* e) override {
        QTableView::resizeEvent(e);
        list_.heightChanged();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).isValid())
            list_.post(EventKind::Accepted);
    }
    void wheelEvent(QWheelEvent* e) override {
        const int steps = e->angleDelta().y() / 40; // three rows a notch
        for (int i = 0; i < std::abs(steps); ++i)
            list_.post(steps > 0 ? EventKind::ScrollUp : EventKind::ScrollDown);
        e->accept();
    }

private:
    BrowseList& list_;
};

} // namespace

void BrowseModel::setColumns(std::vector<BrowseColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void BrowseModel::setRows(const std::vector<BrowseRow>* rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : int(rows_->size());
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QString BrowseModel::text(int row, int column) const {
    const BrowseColumn& c = columns_.at(column);
    return cellText(c, rows_->at(row).Values.at(c.Field));
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (!rows_ || !index.isValid() || index.row() >= int(rows_->size())) return {};
    if (role == Qt::DisplayRole) return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns_[index.column()].Align | Qt::AlignVCenter);
    return {};
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(columns_.size())) return {};
    if (role == Qt::DisplayRole) return columns_[section].Header;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns_[section].HeaderAlign | Qt::AlignVCenter);
    return {};
}

BrowseList::BrowseList(int control, std::function<void(const WindowEvent&)> poster, QWidget* parent)
    : QWidget(parent), control_(control), post_(std::move(poster)) {
    table_ = new Table(*this);
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionsMovable(true);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->setObjectName(QStringLiteral("browseTable"));
    thumb_ = new QScrollBar(Qt::Vertical, this);
    thumb_->setObjectName(QStringLiteral("browseThumb"));
    thumb_->setRange(0, ThumbRange);
    thumb_->setPageStep(10);
    thumb_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_, 1);
    layout->addWidget(thumb_);
    setFocusProxy(table_);
    setFocusPolicy(Qt::StrongFocus);

    connect(thumb_, &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            return post(EventKind::ScrollDown);
        case QAbstractSlider::SliderSingleStepSub:
            return post(EventKind::ScrollUp);
        case QAbstractSlider::SliderPageStepAdd:
            return post(EventKind::PageDown);
        case QAbstractSlider::SliderPageStepSub:
            return post(EventKind::PageUp);
        case QAbstractSlider::SliderToMinimum:
            return post(EventKind::ScrollTop);
        case QAbstractSlider::SliderToMaximum:
            return post(EventKind::ScrollBottom);
        default:
            return;
        }
    });
    connect(thumb_, &QScrollBar::sliderReleased, this,
            [this] { post(EventKind::ScrollDrag, thumb_->sliderPosition()); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (!quiet_ && now.isValid()) post(EventKind::NewSelection);
            });
}

QHeaderView& BrowseList::header() {
    return *table_->horizontalHeader();
}

void BrowseList::setColumns(std::vector<BrowseColumn> columns) {
    std::vector<int> widths;
    for (const BrowseColumn& c : columns)
        widths.push_back(columnPixels(*table_, c.Width));
    model_.setColumns(std::move(columns));
    for (int i = 0; i < int(widths.size()); ++i)
        table_->setColumnWidth(i, widths[size_t(i)]);
}

namespace {

Qt::Alignment alignmentOf(ListFormat::Justify justify) {
    switch (justify) {
    case ListFormat::Justify::Right:
        return Qt::AlignRight;
    case ListFormat::Justify::Centre:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

bool BrowseList::setFormat(const QString& format, const std::vector<int>& fields) {
    const std::vector<ListFormat::Column> parsed = ListFormat::parse(format);
    if (parsed.size() != fields.size()) return false;
    std::vector<BrowseColumn> columns;
    for (size_t i = 0; i < parsed.size(); ++i) {
        const ListFormat::Column& c = parsed[i];
        BrowseColumn column;
        column.Header = c.heading;
        column.Width = c.width;
        column.Align = alignmentOf(c.justify);
        column.HeaderAlign = alignmentOf(c.headingJustify);
        column.Picture = QLatin1Char('@') + c.picture;
        column.Field = fields[i];
        columns.push_back(std::move(column));
    }
    format_ = format;
    setColumns(std::move(columns));
    return true;
}

QString BrowseList::format() const {
    std::vector<int> widths;
    for (int i = 0; i < model_.columnCount(); ++i)
        widths.push_back(columnKeptWidth(*table_, table_->columnWidth(i)));
    return ListFormat::withWidths(format_, widths);
}

void BrowseList::showRows(const std::vector<BrowseRow>& rows, int current) {
    quiet_ = true;
    model_.setRows(&rows);
    if (current >= 1 && current <= int(rows.size()))
        table_->selectionModel()->setCurrentIndex(model_.index(current - 1, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    quiet_ = false;
}

int BrowseList::visibleRows() const {
    const int rowHeight = std::max(1, table_->verticalHeader()->defaultSectionSize());
    return std::max(1, table_->viewport()->height() / rowHeight);
}

int BrowseList::currentRow() const {
    const QModelIndex i = table_->currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void BrowseList::setThumb(int percent) {
    if (!thumb_->isSliderDown()) thumb_->setValue(std::clamp(percent, 0, ThumbRange));
}

int BrowseList::thumbPosition() const {
    return thumb_->value();
}

void BrowseList::setBackground(Colour colour) {
    QPalette p = table_->palette();
    p.setColor(QPalette::Base, toQColor(colour));
    table_->setPalette(p);
}

void BrowseList::heightChanged() {
    const int rows = visibleRows();
    if (rows != lastVisible_ && lastVisible_ >= 0) post(EventKind::Sized);
    lastVisible_ = rows;
}
