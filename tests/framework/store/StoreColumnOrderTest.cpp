#include "StoreFixture.h"
#include "framework/filter/Evaluate.h"
#include "framework/filter/Parser.h"

#include <algorithm>

using namespace store;

// Orders that sort a key's records by other fields: every field as a list column, rising
// and falling, within several keys and filters, read whole both ways and from a place.
namespace {

constexpr int KeyCdNr = 2, KeyNaam = 5, KeySoort = 6, KeyProducer = 7, KeyDate = 8;

class ColumnOrderTest : public StoreTest {
protected:
    void SetUp() override {
        arc = &created(Dictionary::Archief());
        ASSERT_EQ(store->begin({arc}, 5), Ok);
        ArchiefRecord r;
        for (int i = 1; i <= 260; ++i) {
            r.clear();
            r.Soort = i % 5 == 0 ? "Games" : i % 5 == 1 ? "GAMES" : i % 7 == 0 ? "" : "Tools";
            r.Naam = i % 13 == 0 ? QString() : QString("%1file%2").arg(QChar('a' + i % 26)).arg(i);
            if (i % 4) r.CdNr = quint16(i % 11);
            r.Producer = i % 6 == 0 ? QString() : QString("Maker %1").arg(i % 7);
            r.Size = (i * 37) % 50;
            r.Date = i % 9 == 0 ? 0 : 70000 + i % 17;
            r.Time = i % 8 == 0 ? 0 : 1 + i % 5;
            r.Version = i % 3 == 0 ? QString() : QString("v%1").arg(i % 4);
            ASSERT_EQ(arc->add(r), Ok);
            all.push_back(r.values());
        }
        ASSERT_EQ(store->commit(), Ok);
    }

    const FileDef& def() const { return Dictionary::Archief(); }
    int field(const char* label) const { return def().fieldIndex(QString::fromLatin1(label)); }

    filter::Tree parsed(const QString& text) {
        if (text.isEmpty()) return nullptr;
        const filter::Parsed p = filter::parse(text, def(), [](const QString&) { return false; });
        EXPECT_TRUE(p.ok()) << p.error.toStdString();
        return p.tree;
    }

    static int compare(const FieldValue& a, const FieldValue& b) {
        if (const auto* n = std::get_if<qint64>(&a)) {
            const qint64 m = std::get<qint64>(b);
            return *n < m ? -1 : *n > m ? 1 : 0;
        }
        return std::get<QString>(a).compare(std::get<QString>(b), Qt::CaseInsensitive);
    }

    bool heldBy(int key, const std::vector<FieldValue>& values) const {
        if (key == 0) return true;
        for (const KeyPart& p : def().keys[key - 1].parts) {
            const FieldValue& v = values[p.field];
            if (const auto* n = std::get_if<qint64>(&v) ? std::get_if<qint64>(&v) : nullptr) {
                if (*n != 0) return true;
            } else if (!std::get<QString>(v).isEmpty()) {
                return true;
            }
        }
        return false;
    }

    // The records the order should give, sorted by the program.
    std::vector<qint64> expected(const Ordering& o, const filter::Tree& tree) {
        std::vector<qint64> out;
        ArchiefRecord r;
        for (size_t i = 0; i < all.size(); ++i) {
            r.setValues(all[i]);
            if (heldBy(o.key, all[i]) &&
                (!tree || filter::matches(*tree, r, [](const QString&) { return std::nullopt; })))
                out.push_back(qint64(i + 1));
        }
        std::stable_sort(out.begin(), out.end(), [&](qint64 a, qint64 b) {
            for (const KeyPart& p : o.by) {
                const int c = compare(all[a - 1][p.field], all[b - 1][p.field]);
                if (c != 0) return p.descending ? c > 0 : c < 0;
            }
            return a < b;
        });
        return out;
    }

    static std::vector<qint64> read(Cursor& c, const Ordering& o, bool backwards = false) {
        OwnedRecord r(Dictionary::Archief());
        std::vector<qint64> out;
        c.setOrder(o);
        while ((backwards ? c.previous(r) : c.next(r)) == Ok)
            out.push_back(r.identity().record);
        EXPECT_EQ(c.status().code, NoRecord) << c.status().driverText.toStdString();
        return out;
    }

    StoreFile* arc = nullptr;
    std::vector<std::vector<FieldValue>> all;
};

} // namespace

TEST_F(ColumnOrderTest, EveryColumnRisingAndFallingWithinKeysAndFilters) {
    const std::vector<std::vector<KeyPart>> columns = {
        {{field("ARC:Size")}},
        {{field("ARC:Version"), true}},
        {{field("ARC:Time")}},
        {{field("ARC:CdNr")}},                          // a key of its own, blanks apart
        {{field("ARC:CdNr"), true}},                    // the same falling
        {{field("ARC:Naam"), true}},                    // names, some blank
        {{field("ARC:Producer")}, {field("ARC:Naam")}}, // as a key of two components
        {{field("ARC:Producer"), true}, {field("ARC:Naam"), true}},
        {{field("ARC:Date")}, {field("ARC:Time")}}, // a falling key read rising
        {{field("ARC:Soort")}, {field("ARC:Size"), true}},
    };
    const QStringList filters = {"", "ARC:Soort = 'Games'", "(Arc:Soort<>'Everything')",
                                 "ARC:CdNr >= 3 AND ARC:CdNr <= 7"};
    auto c = arc->cursor();
    c->setSkipMemos(true);
    for (const QString& text : filters) {
        const filter::Tree tree = parsed(text);
        c->setFilter(tree, [](const QString&) { return std::nullopt; });
        for (int key : {0, KeyCdNr, KeyNaam, KeyProducer}) {
            for (size_t i = 0; i < columns.size(); ++i) {
                const Ordering o(key, columns[i]);
                SCOPED_TRACE(text.toStdString() + " key " + std::to_string(key) + " column " +
                             std::to_string(i));
                const std::vector<qint64> want = expected(o, tree);
                c->setBatch(int(i % 3) * 6); // one record, 6, and the largest batches
                EXPECT_EQ(read(*c, o), want);
                std::vector<qint64> back = read(*c, o, true);
                std::reverse(back.begin(), back.end());
                EXPECT_EQ(back, want);
                c->setOrder(o);
                EXPECT_EQ(c->count(), qint64(want.size()));
            }
        }
    }
}

TEST_F(ColumnOrderTest, PositionsAndValuesPlaceTheReadsInTheColumnsOrder) {
    auto c = arc->cursor();
    OwnedRecord r(def());
    for (const std::vector<KeyPart>& by :
         {std::vector<KeyPart>{{field("ARC:Size"), true}},
          std::vector<KeyPart>{{field("ARC:Naam")}},
          std::vector<KeyPart>{{field("ARC:Date"), true}, {field("ARC:Time"), true}}}) {
        const Ordering o(KeySoort, by);
        const std::vector<qint64> want = expected(o, nullptr);
        ASSERT_GT(want.size(), 100u);
        for (size_t at : {size_t(0), size_t(1), want.size() / 3, want.size() - 1}) {
            // A position of a record read in the order: both ways go on from it.
            OwnedRecord there(def());
            there.setValues(all[want[at] - 1]);
            there.setIdentity({want[at], 0});
            const QByteArray position = positionOf(there, o);
            KeyPoint point;
            ASSERT_TRUE(decodePosition(def(), position, point));
            EXPECT_TRUE(point.ordering() == o);
            ASSERT_EQ(c->setOrderAtPosition(position), Ok);
            ASSERT_EQ(c->next(r), Ok);
            EXPECT_EQ(r.identity().record, want[at]);
            for (size_t i = at + 1; i < std::min(want.size(), at + 30); ++i) {
                ASSERT_EQ(c->next(r), Ok);
                EXPECT_EQ(r.identity().record, want[i]);
            }
            ASSERT_EQ(c->setOrderAtPosition(position), Ok);
            ASSERT_EQ(c->previous(r), Ok);
            EXPECT_EQ(r.identity().record, want[at]);
            if (at > 0) {
                ASSERT_EQ(c->previous(r), Ok);
                EXPECT_EQ(r.identity().record, want[at - 1]);
            }
            // The values alone: the first record at or after them.
            ASSERT_EQ(c->setOrderAt(o, there), Ok);
            ASSERT_EQ(c->next(r), Ok);
            size_t first = at;
            while (first > 0) {
                bool same = true;
                for (const KeyPart& p : by)
                    same = same && compare(all[want[first - 1] - 1][p.field],
                                           all[want[at] - 1][p.field]) == 0;
                if (!same) break;
                --first;
            }
            EXPECT_EQ(r.identity().record, want[first]);
        }
    }
    // A position of another file or of a field the file lacks is refused.
    KeyPoint bad{0, {qint64(1)}, 5, {{99}}};
    EXPECT_NE(c->setOrderAtPosition(encodePosition(def(), bad)), Ok);
    EXPECT_NE(c->setOrder(Ordering(0, {{field("ARC:Omschrijving")}})), Ok) << "memos do not sort";
}

TEST_F(ColumnOrderTest, ChangesBetweenReadsAreSeenInTheColumnsOrder) {
    auto c = arc->cursor();
    const Ordering o(0, {{field("ARC:Size")}});
    OwnedRecord r(def());
    c->setBatch(5);
    c->setOrder(o);
    ASSERT_EQ(c->next(r), Ok);
    // An entry moved from the end of the order to its start is met again further on only
    // when it lies beyond the place read.
    const qint64 last = expected(o, nullptr).back();
    ArchiefRecord moved;
    moved.setIdentity({last, 0});
    ASSERT_EQ(arc->reget(positionOf(moved, 0), moved), Ok);
    moved.Size = 0;
    ASSERT_EQ(arc->put(moved), Ok);
    all[last - 1] = moved.values();
    std::vector<qint64> rest;
    while (c->next(r) == Ok)
        rest.push_back(r.identity().record);
    std::vector<qint64> want = expected(o, nullptr);
    want.erase(want.begin(), std::find(want.begin(), want.end(), rest.front()));
    EXPECT_EQ(rest, want);
}
