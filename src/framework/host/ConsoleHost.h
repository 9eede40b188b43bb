#pragma once

#include "framework/host/FileSystemHost.h"

// The host of the command-line tools (installation, benchmark): messages go to the error
// stream; questions are answered as a box closed unanswered (No, Cancel), notices with their
// only button; there are no dialogs. A fatal ending exits with a
// failure code, since nobody pressed OK on it.
class ConsoleHost : public FileSystemHost {
public:
    int message(const QString& text, const QString& caption, Icon icon, int buttons,
                int defaultButton) override;
    int message(const QString& text, const QString& caption, Icon icon, const QString& buttonNames,
                int defaultButton) override;
    QString fileDialog(const QString&, const QString&, const QString&, bool) override { return {}; }
    QString directoryDialog(const QString&, const QString&) override { return {}; }
    bool colourDialog(const QString&, Colour&) override { return false; }
    bool fontDialog(const QString&, FontChoice&) override { return false; }
    int popupMenu(const QString&) override { return 0; }
    bool printDialog(const QString&, QPrinter&) override { return false; }
    void endProgram(int exitCode, const QString& text) override;

    // A message's text as the console shows it: a request to press a button is left out.
    static QString shown(const QString& text);
    bool shellOpen(const QString&) override { return false; }
    int composeMail(const MailMessage&) override { return MailLoginFailure; }
    int addressBook(const QString&, const std::vector<AddressEntry>&, QStringList&) override {
        return MailFailure;
    }
    void showHelp(const QString&) override {}

protected:
    bool startProgram(const QString&, QString* error) override {
        if (error) *error = QStringLiteral("Programs are not started from the command line");
        return false;
    }
};
