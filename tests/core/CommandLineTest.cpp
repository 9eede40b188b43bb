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
    EXPECT_EQ(parse({"-v"}).command, Command::Version);
}

TEST(CommandLineTest, AnythingNotUnderstoodIsAUsageError) {
    for (auto args : {std::initializer_list<const char*>{"--instal"},
                      {"--install", "--pasword", "x"},
                      {"--password", "x"},
                      {"--demo"},
                      {"--install", "--check"},
                      {"catalogue"},
                      {"--install", "--password"},
                      {"-platform", "offscreen"}}) {
        const auto p = parse(args);
        EXPECT_EQ(p.command, Command::Usage) << *args.begin();
        EXPECT_FALSE(p.error.isEmpty());
    }
    EXPECT_TRUE(parse({"--instal"}).error.contains("instal"));
    EXPECT_TRUE(CommandLine::usage().contains("--install"));
    EXPECT_TRUE(CommandLine::usage().contains("--check"));
}

} // namespace
