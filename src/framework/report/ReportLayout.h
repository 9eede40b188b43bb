#pragma once

#include "framework/RecordBuffer.h"
#include "framework/report/PageModel.h"

#include <functional>
#include <vector>

// Where a field of a band takes its value from when the band is printed.
using ValueSource = std::function<FieldValue()>;

// One item of a band, placed relative to the band's top left corner (inside the margins).
struct BandItem {
    enum class Kind { Text, Value, PageNumber, Wrapped, Rule, Box };
    Kind kind = Kind::Text;
    PageUnits x = 0, y = 0, width = 0, height = 0;
    quint8 font = 0;
    Align align = Align::Left;
    QString text; // a fixed text, or what goes before the page number
    ValueSource value;
    QString picture; // through which a value is shown; none shows it as it is
    int scale = 0;   // decimals a number value is held with
    PageUnits pen = 0;
};

// A band of a report: items printed together, `Height` high. A band may hold one wrapped
// value: it runs over as many lines as its text needs, the band grows by them, and the
// lines go on over further pages when the page is full. Items on the wrapped value's
// first line stay with that line; items below it follow the last line. Rules and boxes
// keep their size.
class Band {
public:
    explicit Band(PageUnits height = 0) : Height(height) {}

    Band& Text(PageUnits x, PageUnits y, PageUnits width, const QString& text, int font = 0,
               Align align = Align::Left);
    // The value through `picture` (Pictures.h), clipped at `width`.
    Band& Value(PageUnits x, PageUnits y, PageUnits width, ValueSource value,
                const QString& picture = {}, int font = 0, Align align = Align::Left,
                int scale = 0);
    // `prefix` followed by the number of the page.
    Band& PageNumber(PageUnits x, PageUnits y, PageUnits width,
                     const QString& prefix = QStringLiteral("Page "), int font = 0,
                     Align align = Align::Left);
    Band& Wrapped(PageUnits x, PageUnits y, PageUnits width, ValueSource value, int font = 0);
    Band& Rule(PageUnits x1, PageUnits y1, PageUnits x2, PageUnits y2, PageUnits pen = 0);
    Band& Box(PageUnits x, PageUnits y, PageUnits width, PageUnits height, PageUnits pen = 0);

    bool IsEmpty() const { return Items.empty() && Height == 0; }

    PageUnits Height = 0;
    std::vector<BandItem> Items;
};

// What a report looks like: paper, margins, fonts and bands. The page header and footer
// are printed on every page; before a detail, the header of each group whose value changed
// (and of the groups inside it).
class ReportLayout {
public:
    struct Group {
        ValueSource By;
        Band Header;
    };

    // Index of the font, added when new.
    int AddFont(const ReportFont& font);
    // A font's line height; 0 for a font that is not there.
    PageUnits LineHeight(int font) const;
    // The width between the margins.
    PageUnits BodyWidth() const { return Paper.width - Left - Right; }

    PaperSize Paper;
    PageUnits Left = Units::mm(15), Top = Units::mm(12), Right = Units::mm(15),
              Bottom = Units::mm(12);
    std::vector<ReportFont> Fonts;
    Band PageHeader, PageFooter, Detail;
    std::vector<Group> Groups; // outermost first
};
