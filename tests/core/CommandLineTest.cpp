#include "core/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using CommandLine::Command;

CommandLine::Parsed parse(std::initializer_list<const char*> args) {
    QStringList list;
    for (const char* a : args)
        list << QString::fromUtf8(a);
    return CommandLine::parse(list);
}

TEST(CommandLineTest, WithoutArgumentsTheWindowsOpen) {
    EXPECT_EQ(parse({}).command, Command::Windows);
}

TEST(CommandLineTest, InstallTakesItsOptions) {
    const auto p = parse({"--install", "--password", "pw", "--organization", "Acme", "--demo"});
    EXPECT_EQ(p.command, Command::Install);
    EXPECT_EQ(p.password, "pw");
    EXPECT_TRUE(p.passwordGiven);
    EXPECT_EQ(p.organization, "Acme");
    EXPECT_TRUE(p.demo);
    const auto empty = parse({"--install", "--password", ""});
    EXPECT_TRUE(empty.passwordGiven) << "an empty password given is refused later, not asked";
    EXPECT_FALSE(parse({"--install"}).passwordGiven);
    EXPECT_EQ(parse({"--check"}).command, Command::Check);
    EXPECT_EQ(parse({"--help"}).command, Command::Help);
    const auto menu = parse({"--desktop"});
    EXPECT_EQ(menu.command, Command::Windows);
    EXPECT_TRUE(menu.desktop);
    EXPECT_EQ(parse({"-v"}).command, Command::Version);
}

TEST(CommandLineTest, SearchesTakeTheirOptions) {
    const auto phrase =
        parse({"--search", "zip", "--subject", "producer", "--csv", "--data", "/d"});
    EXPECT_EQ(phrase.command, Command::Search);
    EXPECT_FALSE(phrase.dates);
    EXPECT_EQ(phrase.phrase, "zip");
    EXPECT_EQ(phrase.subject, "producer");
    EXPECT_TRUE(phrase.csv);
    EXPECT_EQ(phrase.dataDirectory, "/d");
    const auto dates = parse({"--search-dates", "--from", "2024-03-31", "--till", "1/4/2024"});
    EXPECT_EQ(dates.command, Command::Search);
    EXPECT_TRUE(dates.dates);
    EXPECT_EQ(dates.from, "2024-03-31");
    EXPECT_EQ(dates.till, "1/4/2024");
}

TEST(CommandLineTest, AnythingNotUnderstoodIsAUsageError) {
    for (auto args : {std::initializer_list<const char*>{"--instal"},
                      {"--install", "--pasword", "x"},
                      {"--password", "x"},
                      {"--demo"},
                      {"--install", "--check"},
                      {"catalogue"},
                      {"--install", "--password"},
                      {"-platform", "offscreen"},
                      {"--search", "a", "--search-dates"},
                      {"--subject", "file"},
                      {"--search", "a", "--from", "2024-01-01"},
                      {"--search-dates", "--subject", "name"},
                      {"--install", "--password", "x", "--csv"},
                      {"--check", "--demo"},
                      {"--install", "--desktop"}}) {
        const auto p = parse(args);
        EXPECT_EQ(p.command, Command::Usage) << *args.begin();
        EXPECT_FALSE(p.error.isEmpty());
    }
    EXPECT_TRUE(parse({"--instal"}).error.contains("instal"));
    EXPECT_TRUE(CommandLine::usage().contains("--install"));
    EXPECT_TRUE(CommandLine::usage().contains("--check"));
}

} // namespace
