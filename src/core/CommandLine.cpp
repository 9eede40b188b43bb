#include "core/CommandLine.h"

#include <QCommandLineParser>

namespace CommandLine {

namespace {

struct Options {
    QCommandLineOption install{QStringLiteral("install"),
                               QStringLiteral("Make the current directory a data directory: the "
                                              "data files, the system options and the user "
                                              "\"System\".")};
    QCommandLineOption password{
        QStringLiteral("password"),
        QStringLiteral("With --install: the password of the user "
                       "\"System\" (asked on the terminal when not given)."),
        QStringLiteral("PW")};
    QCommandLineOption organization{QStringLiteral("organization"),
                                    QStringLiteral("With --install: the organization to register."),
                                    QStringLiteral("NAME")};
    QCommandLineOption demo{QStringLiteral("demo"),
                            QStringLiteral("With --install: add a small demo catalogue.")};
    QCommandLineOption check{QStringLiteral("check"),
                             QStringLiteral("Check the seven data files of the current directory "
                                            "and print one line per file; exit 0 when all are "
                                            "sound, 1 otherwise. Changes nothing.")};
    QCommandLineOption search{QStringLiteral("search"),
                              QStringLiteral("Print the archive entries whose field (--subject) "
                                             "holds PHRASE."),
                              QStringLiteral("PHRASE")};
    QCommandLineOption subject{QStringLiteral("subject"),
                               QStringLiteral("With --search: name, file (the default), producer, "
                                              "remarks or description."),
                               QStringLiteral("SUBJECT")};
    QCommandLineOption searchDates{QStringLiteral("search-dates"),
                                   QStringLiteral("Print the archive entries dated from --from, "
                                                  "till --till, or both.")};
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("With --search-dates: the first day (2024-03-31 or "
                                           "31/3/2024)."),
                            QStringLiteral("DATE")};
    QCommandLineOption till{QStringLiteral("till"),
                            QStringLiteral("With --search-dates: the last day; entries without a "
                                           "date count as earlier than every day."),
                            QStringLiteral("DATE")};
    QCommandLineOption data{QStringLiteral("data"),
                            QStringLiteral("With a search: the data directory (else the current "
                                           "one). It is only read."),
                            QStringLiteral("DIR")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           QStringLiteral("With a search: comma-separated lines with a heading "
                                          "instead of tab-separated lines.")};
    QCommandLineOption desktop{QStringLiteral("desktop"),
                               QStringLiteral("As the desktop's menu starts it: in a directory "
                                              "without data files, open the user's own catalogue "
                                              "(~/.local/share/Wareloft).")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this text.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version.")};
};

void describe(QCommandLineParser& parser, const Options& o) {
    parser.addOptions({o.install, o.password, o.organization, o.demo, o.check, o.search, o.subject,
                       o.searchDates, o.from, o.till, o.data, o.csv, o.desktop, o.help, o.version});
}

Parsed usageError(const QString& error) {
    Parsed p;
    p.command = Command::Usage;
    p.error = error;
    return p;
}

} // namespace

Parsed parse(const QStringList& arguments) {
    if (arguments.isEmpty()) return {};
    const Options o;
    QCommandLineParser parser;
    describe(parser, o);
    if (!parser.parse(QStringList{QStringLiteral("wareloft")} + arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unknown argument '%1'.")
                              .arg(parser.positionalArguments().constFirst()));
    Parsed p;
    if (parser.isSet(o.help)) {
        p.command = Command::Help;
        return p;
    }
    if (parser.isSet(o.version)) {
        p.command = Command::Version;
        return p;
    }
    // One command, and only the options that go with it.
    const std::pair<const QCommandLineOption*, Command> commands[] = {
        {&o.install, Command::Install},
        {&o.check, Command::Check},
        {&o.search, Command::Search},
        {&o.searchDates, Command::Search}};
    QStringList given;
    for (const auto& [option, kind] : commands)
        if (parser.isSet(*option)) {
            given << QStringLiteral("--") + option->names().constFirst();
            p.command = kind;
        }
    if (given.size() > 1)
        return usageError(QStringLiteral("%1 cannot be given together.")
                              .arg(given.join(QStringLiteral(" and "))));
    const bool phrase = parser.isSet(o.search), dates = parser.isSet(o.searchDates);
    const std::pair<const QCommandLineOption*, bool> belonging[] = {
        {&o.password, p.command == Command::Install},
        {&o.organization, p.command == Command::Install},
        {&o.demo, p.command == Command::Install},
        {&o.subject, phrase},
        {&o.from, dates},
        {&o.till, dates},
        {&o.data, phrase || dates},
        {&o.csv, phrase || dates},
        {&o.desktop, p.command == Command::Windows}};
    for (const auto& [option, fits] : belonging)
        if (parser.isSet(*option) && !fits)
            return usageError(
                QStringLiteral("--%1 does not go with %2.")
                    .arg(option->names().constFirst(),
                         given.isEmpty() ? QStringLiteral("the windows") : given.constFirst()));
    if (p.command == Command::Windows) {
        if (!parser.isSet(o.desktop))
            return usageError(QStringLiteral("Nothing to do: no command given."));
        p.desktop = true;
        return p;
    }
    p.password = parser.value(o.password);
    p.passwordGiven = parser.isSet(o.password);
    p.organization = parser.value(o.organization);
    p.demo = parser.isSet(o.demo);
    p.dates = dates;
    p.phrase = parser.value(o.search);
    p.subject = parser.value(o.subject);
    p.from = parser.value(o.from);
    p.till = parser.value(o.till);
    p.dataDirectory = parser.value(o.data);
    p.csv = parser.isSet(o.csv);
    return p;
}

QString usage() {
    const Options o;
    QString text = QStringLiteral(
        "Usage: wareloft [--install [--password PW] [--organization NAME] [--demo] | --check |\n"
        "                 --search PHRASE [--subject SUBJECT] | --search-dates [--from DATE]\n"
        "                 [--till DATE]] [--data DIR] [--csv] | --desktop\n"
        "Wareloft catalogues the software kept on CDs, floppies, ZIP disks and hard disks.\n"
        "Started without options it opens the catalogue in the current directory.\n\nOptions:\n");
    for (const QCommandLineOption* option :
         {&o.install, &o.password, &o.organization, &o.demo, &o.check, &o.help, &o.version}) {
        QStringList names;
        for (const QString& name : option->names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString head = names.join(QStringLiteral(", "));
        if (!option->valueName().isEmpty()) head += QLatin1Char(' ') + option->valueName();
        text += QStringLiteral("  %1\n      %2\n").arg(head, option->description());
    }
    return text;
}

} // namespace CommandLine
