#include "framework/host/PopupMenuText.h"

namespace {

class Parser {
public:
    explicit Parser(const QString& text) : text_(text) {}

    // Reads items up to the end of the text or the "}" that closes the current list; a "}"
    // without its "{" is read as a "|".
    std::vector<PopupItem> list(int depth = 0) {
        std::vector<PopupItem> items;
        for (;;) {
            const QString word = readWord();
            PopupItem item = itemFrom(word);
            if (pos_ < text_.size() && text_[pos_] == u'{') {
                ++pos_;
                item.kind = PopupItem::Submenu;
                item.children = list(depth + 1);
                skipToDelimiter(); // blanks between "}" and the next "|"
                items.push_back(item);
            } else if (item.kind == PopupItem::Separator) {
                items.push_back(item);
            } else if (!item.text.isEmpty()) { // an empty item, as in "A||B", is left out
                item.number = ++count_;
                items.push_back(item);
            }
            if (pos_ >= text_.size()) return items;
            const QChar delimiter = text_[pos_++];
            if (delimiter == u'}' && depth > 0) return items;
        }
    }

private:
    QString readWord() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !isDelimiter(text_[pos_]))
            ++pos_;
        return text_.mid(start, pos_ - start);
    }

    void skipToDelimiter() {
        while (pos_ < text_.size() && text_[pos_] != u'|' && text_[pos_] != u'}')
            ++pos_;
    }

    static bool isDelimiter(QChar c) { return c == u'|' || c == u'{' || c == u'}'; }

    static PopupItem itemFrom(QString word) {
        PopupItem item;
        word = word.trimmed();
        if (word == u"-") {
            item.kind = PopupItem::Separator;
            return item;
        }
        if (word.startsWith(u'~')) {
            item.enabled = false;
            word = word.mid(1).trimmed();
        }
        if (word.startsWith(u'+')) {
            item.checked = true;
            word = word.mid(1).trimmed();
        }
        item.text = word;
        return item;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    int count_ = 0;
};

} // namespace

std::vector<PopupItem> parsePopupMenu(const QString& text) {
    Parser parser(text);
    return parser.list();
}
