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
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this text.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version.")};
};

void describe(QCommandLineParser& parser, const Options& o) {
    parser.addOptions({o.install, o.password, o.organization, o.demo, o.check, o.help, o.version});
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
    const bool install = parser.isSet(o.install);
    if (install && parser.isSet(o.check))
        return usageError(QStringLiteral("--install and --check cannot be given together."));
    if (!install)
        for (const QCommandLineOption* withInstall : {&o.password, &o.organization, &o.demo})
            if (parser.isSet(*withInstall))
                return usageError(QStringLiteral("--%1 goes with --install.")
                                      .arg(withInstall->names().constFirst()));
    p.command = install ? Command::Install : Command::Check;
    p.password = parser.value(o.password);
    p.passwordGiven = parser.isSet(o.password);
    p.organization = parser.value(o.organization);
    p.demo = parser.isSet(o.demo);
    return p;
}

QString usage() {
    const Options o;
    QString text = QStringLiteral(
        "Usage: wareloft [--install [--password PW] [--organization NAME] [--demo] | --check]\n"
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
