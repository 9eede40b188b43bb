#include "framework/report/PageModel.h"

#include <QStringList>
#include <algorithm>

QStringList Page::lines() const {
    std::vector<const PageItem*> texts;
    for (const PageItem& item : items)
        if (item.kind == ItemKind::Text && !item.text.isEmpty()) texts.push_back(&item);
    std::stable_sort(texts.begin(), texts.end(), [](const PageItem* a, const PageItem* b) {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
    });
    QStringList out;
    PageUnits row = -1;
    for (const PageItem* t : texts) {
        if (out.isEmpty() || t->y != row)
            out << t->text;
        else
            out.last() += QLatin1Char(' ') + t->text;
        row = t->y;
    }
    return out;
}
