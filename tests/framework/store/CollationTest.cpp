#include "framework/store/Collation.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

using store::collation::compare;

namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

int fold(const QString& a, const QString& b) {
    const QByteArray x = a.toUtf8(), y = b.toUtf8();
    return sign(compare(x.constData(), int(x.size()), y.constData(), int(y.size())));
}

// What the collation must agree with: simple case folding, code point by code point,
// trailing blanks left out.
int reference(QString a, QString b) {
    while (a.endsWith(QLatin1Char(' ')))
        a.chop(1);
    while (b.endsWith(QLatin1Char(' ')))
        b.chop(1);
    const QList<uint> x = a.toCaseFolded().toUcs4(), y = b.toCaseFolded().toUcs4();
    if (x == y) return 0;
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end()) ? -1 : 1;
}

} // namespace

TEST(FoldCollation, AgreesWithSimpleCaseFoldingOverMixedTexts) {
    const QStringList texts = {
        "",          "a",     "A",      "ab",    "AB ",    "abc",         "ABD",    "_x",
        "Zebra",     "zebra", "Ärger",  "ärger", "ÄRGER",  "Ärge",        "straße", "STRAẞE",
        "STRASSE",   "ΟΔΟΣ",  "οδος",   "οδοσ",  "KELVIN", "\u212Aelvin", "x Ä",    "X ä",
        "x Äb",      "😀",     "\uE000", "a😀",    "A😀 ",    "İ",           "i",      "setup.exe",
        "SETUP.EXE", "ſ",     "s",
    };
    for (const QString& a : texts)
        for (const QString& b : texts)
            EXPECT_EQ(fold(a, b), reference(a, b)) << a.toStdString() << " / " << b.toStdString();
}

TEST(FoldCollation, MalformedBytesNeverEqualACharacter) {
    const char lone[] = "\xC4";
    const QByteArray umlaut = QStringLiteral("ä").toUtf8();
    EXPECT_NE(compare(lone, 1, umlaut.constData(), int(umlaut.size())), 0);
    EXPECT_EQ(compare(lone, 1, lone, 1), 0);
    const char cut[] = "ab\xE2\x82"; // a three-byte sequence cut short
    EXPECT_LT(compare("ab", 2, cut, 4), 0);
    EXPECT_GT(compare(cut, 4, "ab", 2), 0);
}
