#pragma once

#include "framework/host/Host.h"

#include <QString>
#include <QStringList>
#include <vector>

// The window-free parts of writing to a producer: the prepared subject, the mail made of
// what the window holds, the texts of what the mail client reported, and the addresses the
// address book offers.
namespace MailDraft {

// The address check the lists make before they offer to write: not blank, at least one "@"
// and at least one "." anywhere.
bool isSupportAddress(const QString& address);

// "Request for info on : " for a general question; "Support-request for " and the program's
// name, with " -- Reg.Nr: " and the registration number unless that is empty or "None".
QString subjectFor(const QString& programName, const QString& registration);

// What the "Send Message" window holds when the user sends.
struct Draft {
    QString to;         // the To text
    QStringList picked; // recipients held from the address book
    QString subject;
    QString body;
    QString attachment; // a host path, or empty
};
// The mail to hand over: two or more picked recipients go as they are, otherwise the To text
// is the one recipient when it is not empty. An attachment puts three blanks before the
// text. Without a subject or without a recipient the mail client's window finishes it.
MailMessage message(const Draft& draft);

// The text shown for a result of handing over a mail; empty for success and a cancel.
QString sendResultText(int result);
// The text shown for a result of the address book; empty for success and a cancel.
QString addressBookResultText(int result);

// Every producer with a support address the lists would write to, in name order.
std::vector<AddressEntry> supportAddresses();

} // namespace MailDraft
