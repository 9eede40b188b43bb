#pragma once

#include <QStringList>
#include <QUrl>

struct MailMessage;

// Window-free parts of opening things on the desktop: telling web addresses from files,
// which web addresses may be opened, and the address that hands a mail to the desktop's
// mail client.
namespace DesktopLaunch {

// Most characters of a mail's text.
constexpr int MaxMailText = 10000;

// A text that names a web address rather than a file: it starts with a scheme of two or
// more letters ("http:", "mailto:", "javascript:") or with "www.".
bool isWebAddress(const QString& target);

enum class WebCheck {
    Opened,        // an address that may be opened
    NotAnAddress,  // blank, a bad host name, nothing after the scheme
    SchemeRefused, // a scheme other than http, https and mailto ("file:", "javascript:")
};
// The address to open for a web address as typed: http, https and mailto addresses as they
// are, one without a scheme ("www.example.com", "example.com:8080/x") taken as https; spaces
// in the path are encoded. An empty URL when it may not be opened; `check` says why.
QUrl webUrl(const QString& target, WebCheck* check = nullptr);

// A stored media path: a drive letter and ":" ("D:\TOOLS\SETUP.EXE", "D:").
bool isMediaPath(const QString& target);
// A host file that is started rather than opened: executable, and by its content a program
// or a script (a text file on a medium that marks every file executable is not).
bool isProgram(const QString& hostFile);

// One mail address: something before and after a single "@", no blanks, control characters
// or characters that separate addresses or names ("-support@example.com" is one).
bool isMailAddress(const QString& address);
// Every recipient address of a mail, each entry of `to` split at "," and ";", blanks cut.
QStringList mailAddresses(const MailMessage& mail);
// What stops a mail from being handed over, as a MailResult: an address that is no mail
// address, an attachment that is not a readable file, a text over MaxMailText characters.
// MailSuccess when nothing does.
int mailProblem(const MailMessage& mail);
// A mailto: address carrying the recipients, subject, body (line breaks as CR LF) and
// attachments ("attach" fields, which only some mail clients take). Every character of the
// texts is percent-encoded where it could be read as part of the address.
QUrl mailtoUrl(const MailMessage& mail);
// Arguments of xdg-email: the mailto: address alone. Its own options would send subject and
// body through the shell's echo, which eats backslash sequences ("D:\config" ends at "\c"),
// and it takes no "--"; inside the address nothing can be read as an option.
QStringList xdgEmailArguments(const MailMessage& mail);

} // namespace DesktopLaunch
