#pragma once

#include <QStringList>
#include <QUrl>

struct MailMessage;

// Window-free parts of opening things on the desktop: telling web addresses from files, and
// the command line and address that hand a mail to the desktop's mail client.
namespace DesktopLaunch {

// "http://…", "https://…", "mailto:…" and "www.…"; nothing else is opened as an address
// (another scheme could start any program that claims it), anything else is a local path.
bool isWebAddress(const QString& target);
// A web address as a URL; one without a scheme ("www.example.com") is taken as http.
QUrl webUrl(const QString& target);
// A stored media path: a drive letter and ":" ("D:\TOOLS\SETUP.EXE", "D:").
bool isMediaPath(const QString& target);
// A host file that is started rather than opened: executable, and by its content a program
// or a script (a text file on a medium that marks every file executable is not).
bool isProgram(const QString& hostFile);

// Arguments of xdg-email: subject, body, each attachment and each address as options.
QStringList xdgEmailArguments(const MailMessage& mail);
// A mailto: address carrying the recipients, subject and body; attachments travel as
// "attach" fields, which only some mail clients take.
QUrl mailtoUrl(const MailMessage& mail);

} // namespace DesktopLaunch
