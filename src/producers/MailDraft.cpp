#include "producers/MailDraft.h"

#include "core/DataFiles.h"
#include "core/Globals.h"

#include <array>

namespace MailDraft {

bool isSupportAddress(const QString& address) {
    return !address.trimmed().isEmpty() && address.contains(QLatin1Char('@')) &&
           address.contains(QLatin1Char('.'));
}

QString subjectFor(const QString& programName, const QString& registration) {
    const QString program = programName.trimmed();
    const QString reg = registration.trimmed();
    if (program.isEmpty()) return QStringLiteral("Request for info on : ");
    QString subject = QStringLiteral("Support-request for ") + program;
    if (!reg.isEmpty() && reg != u"None") subject += QStringLiteral(" -- Reg.Nr: ") + reg;
    return subject;
}

MailMessage message(const Draft& draft) {
    MailMessage mail;
    if (draft.picked.size() < 2 && !draft.to.trimmed().isEmpty())
        mail.to = QStringList{draft.to.trimmed()};
    else
        mail.to = draft.picked;
    mail.subject = draft.subject;
    mail.body = draft.body;
    if (!draft.attachment.trimmed().isEmpty()) {
        mail.attachments = QStringList{draft.attachment.trimmed()};
        mail.body.prepend(QStringLiteral("   "));
    }
    mail.dialog = draft.subject.isEmpty() || mail.to.isEmpty();
    return mail;
}

QString sendResultText(int result) {
    struct Entry {
        int result;
        const char* text;
    };
    static constexpr std::array<Entry, 13> texts{{
        {2, "MS-Mail : Unspecified error(s) occurred!?"},
        {3, "MS-Mail : Unsuccesful logon, no mail sent."},
        {4, "MS-Mail : You seem to be a little short on disk space!?"},
        {5, "MS-Mail : Insuffucient Memory to send Mail!?"},
        {8, "MS-Mail : The are too many sessions, no mail sent!?"},
        {9, "MS-Mail : There were too many attachments, no mail sent!?"},
        {10, "MS-Mail : There were too many recipients, no mail sent!?"},
        {11, "MS-Mail : Attachment not found!?"},
        {14, "MS-Mail : There is an unknown recipient!?"},
        {15, "MS-Mail : Type of recipient must be MAPI_TO,MAPI_CC or MAPI_BCC!?"},
        {18, "MS-Mail : Text in message too large to be sent."},
        {19, "MS-Mail : Invalid session pass to SendMail!?"},
        {21, "MS-Mail : Duplicate Recipients!?"},
    }};
    if (result == MailSuccess || result == MailUserAbort) return {};
    for (const Entry& e : texts)
        if (e.result == result) return QString::fromLatin1(e.text);
    return QStringLiteral("MS-Send Error - %1").arg(result, 8, 10, QLatin1Char('0'));
}

QString addressBookResultText(int result) {
    if (result == MailSuccess || result == MailUserAbort) return {};
    return QStringLiteral("Ms-Mail Address Problems %1").arg(result, 3, 10, QLatin1Char('0'));
}

std::vector<AddressEntry> supportAddresses() {
    std::vector<AddressEntry> book;
    FileManager& producers = Access::Prd();
    if (producers.Open() != LevelBenign) return book;
    if (producers.UseFile() == LevelBenign) {
        const int saved = producers.SaveFile(); // the caller's record and position stay
        PrdRecord probe;
        producers.File->setOrder(PrdKey::KeyName);
        while (producers.File->next(probe) == store::Ok)
            if (isSupportAddress(probe.Support.str()))
                book.push_back({probe.Name.str(), probe.Support.str().trimmed()});
        producers.RestoreFile(saved);
    }
    producers.Close();
    return book;
}

} // namespace MailDraft
