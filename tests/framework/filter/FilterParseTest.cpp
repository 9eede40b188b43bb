#include "core/Dictionary.h"
#include "framework/filter/Evaluate.h"
#include "framework/filter/Parser.h"

#include <gtest/gtest.h>

using namespace filter;

namespace {

const FileDef& arcDef() {
    return Dictionary::Archief();
}

Parsed parsed(const QString& text) {
    return parse(text, arcDef(), [](const QString& name) {
        return name.compare("SoftwareClass", Qt::CaseInsensitive) == 0 ||
               name.compare("Srt:Soort", Qt::CaseInsensitive) == 0;
    });
}

// The tree written back in a plain form, to see how the text was understood.
QString shape(const Node& n) {
    static const char* ops[] = {"=", "<>", "<", "<=", ">", ">="};
    switch (n.kind) {
    case Node::Kind::Field:
        return arcDef().fields[n.field].label;
    case Node::Kind::Variable:
        return "$" + n.name;
    case Node::Kind::Literal:
        return std::holds_alternative<QString>(n.literal) ? "'" + toText(n.literal) + "'"
                                                          : toText(n.literal);
    case Node::Kind::Upper:
        return "UPPER(" + shape(*n.args[0]) + ")";
    case Node::Kind::Compare:
        return "[" + shape(*n.args[0]) + " " + ops[int(n.op)] + " " + shape(*n.args[1]) + "]";
    case Node::Kind::Truth:
        return "?" + shape(*n.args[0]);
    case Node::Kind::And:
        return "(" + shape(*n.args[0]) + " AND " + shape(*n.args[1]) + ")";
    case Node::Kind::Or:
        return "(" + shape(*n.args[0]) + " OR " + shape(*n.args[1]) + ")";
    case Node::Kind::Not:
        return "NOT " + shape(*n.args[0]);
    }
    return {};
}

QString shapeOf(const QString& text) {
    const Parsed p = parsed(text);
    if (!p.ok()) return "error: " + p.error;
    return p.tree ? shape(*p.tree) : QString("none");
}

} // namespace

TEST(FilterParse, TheSystemsOwnFiltersAreUnderstood) {
    EXPECT_EQ(shapeOf("(Arc:Soort<>'Everything')"), "[ARC:Soort <> 'Everything']");
    EXPECT_EQ(shapeOf("ARC:Soort=SoftwareClass"), "[ARC:Soort = $SoftwareClass]");
    EXPECT_EQ(shapeOf("arc:SOORT = srt:soort"), "[ARC:Soort = $srt:soort]");
    EXPECT_EQ(shapeOf("UPPER(ARC:Soort) = UPPER('Games') AND (Arc:Soort<>'Everything')"),
              "([UPPER(ARC:Soort) = UPPER('Games')] AND [ARC:Soort <> 'Everything'])");
    EXPECT_EQ(shapeOf("ARC:CdNr >= 3 AND ARC:CdNr <= 12"),
              "([ARC:CdNr >= 3] AND [ARC:CdNr <= 12])");
    EXPECT_EQ(shapeOf(""), "none");
    EXPECT_EQ(shapeOf("   "), "none");
}

TEST(FilterParse, PrecedenceLiteralsAndOperators) {
    EXPECT_EQ(shapeOf("ARC:CdNr = 1 OR ARC:DiskNr = 2 AND NOT ARC:Size > -1.25"),
              "([ARC:CdNr = 1] OR ([ARC:DiskNr = 2] AND NOT [ARC:Size > -1.25]))");
    EXPECT_EQ(shapeOf("(ARC:CdNr = 1 OR ARC:DiskNr = 2) and not (ARC:Naam < 'M')"),
              "(([ARC:CdNr = 1] OR [ARC:DiskNr = 2]) AND NOT [ARC:Naam < 'M'])");
    EXPECT_EQ(shapeOf("ARC:Naam<='a' OR ARC:Naam>='b' OR ARC:Naam~='c' OR ~ARC:CdNr"),
              "((([ARC:Naam <= 'a'] OR [ARC:Naam >= 'b']) OR [ARC:Naam <> 'c']) OR NOT ?ARC:CdNr)");
    EXPECT_EQ(shapeOf("ARC:Soort = 'O''Brien''s tools'"), "[ARC:Soort = 'O'Brien's tools']");
    EXPECT_EQ(shapeOf("ARC:Soort = ''''"), "[ARC:Soort = ''']");
    EXPECT_EQ(shapeOf("ARC:Producer"), "?ARC:Producer");
}

TEST(FilterParse, TextsThatAreNoFilterSayWhy) {
    EXPECT_EQ(shapeOf("ARC:Sort = 'x'"), "error: Archief has no field ARC:Sort");
    EXPECT_EQ(shapeOf("PRD:Name = 'x'"), "error: PRD:Name is not known");
    EXPECT_EQ(shapeOf("ARC:Soort = ClassOfTheDay"), "error: ClassOfTheDay is not known");
    EXPECT_EQ(shapeOf("(ARC:Soort = 'x'"), "error: the parenthesis at position 1 is not closed");
    EXPECT_EQ(shapeOf("ARC:Soort = 'x')"), "error: a parenthesis at position 16 closes nothing");
    EXPECT_EQ(shapeOf("ARC:Soort = 'x"), "error: a text begun at position 13 is not closed");
    EXPECT_EQ(shapeOf("ARC:Soort = "), "error: the filter ends too soon");
    EXPECT_EQ(shapeOf("ARC:Soort = 'x' AND"), "error: the filter ends too soon");
    EXPECT_EQ(shapeOf("ARC:Soort == 'x'"), "error: unexpected '=' at position 12");
    EXPECT_EQ(shapeOf("ARC:Soort = 'x'; DROP TABLE Archief"),
              "error: ';' at position 16 is not understood");
    EXPECT_EQ(shapeOf("(ARC:CdNr = 1) = (ARC:DiskNr = 2)"),
              "error: a condition cannot be compared (position 16)");
    EXPECT_EQ(shapeOf("UPPER(ARC:CdNr = 1)"), "error: UPPER at position 1 takes a value");
}

TEST(FilterParse, RecordsAreJudgedByTheValuesAndTheCaseRule) {
    ArchiefRecord r;
    r.Soort = "Games";
    r.Naam = "Setup.exe";
    r.Size = 151; // 1.51 Kb
    r.CdNr = 4;
    std::optional<Value> softwareClass = Value(QString("GAMES"));
    const Resolver resolve = [&](const QString&) { return softwareClass; };
    auto passes = [&](const QString& text) {
        const Parsed p = parsed(text);
        EXPECT_TRUE(p.ok()) << p.error.toStdString();
        return p.tree && matches(*p.tree, r, resolve);
    };
    EXPECT_FALSE(passes("ARC:Soort = SoftwareClass")); // exact
    EXPECT_TRUE(passes("UPPER(ARC:Soort) = UPPER(SoftwareClass)"));
    EXPECT_TRUE(passes("UPPER(ARC:Soort) = 'gAmEs'"));
    EXPECT_TRUE(passes("ARC:Soort = 'Games   '")); // trailing blanks never count
    EXPECT_FALSE(passes("ARC:Soort = ' Games'"));
    EXPECT_TRUE(passes("ARC:Size > 1.5 AND ARC:Size < 1.52 AND ARC:Size = 1.510"));
    EXPECT_TRUE(passes("ARC:CdNr = '4' AND ARC:CdNr"));
    EXPECT_FALSE(passes("ARC:DiskNr OR ARC:Producer"));
    EXPECT_TRUE(passes("NOT ARC:Producer AND ARC:Naam >= 'S' AND ARC:Naam < 'T'"));
    EXPECT_TRUE(
        passes("'b' > 'a' AND 10 > 9 AND '10' < '9'")); // numbers as numbers, texts as texts
    softwareClass.reset();                              // a variable that went away reads as blank
    EXPECT_TRUE(passes("ARC:Soort <> SoftwareClass AND NOT SoftwareClass"));
}
