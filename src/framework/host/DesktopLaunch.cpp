#include "framework/host/DesktopLaunch.h"

#include "framework/host/Host.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>

namespace DesktopLaunch {

namespace {

// "scheme:rest"; a scheme of one letter is a drive ("D:\"), one with a dot a host name
// followed by a port ("www.example.com:8080").
const QRegularExpression& schemePattern() {
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+-]+):(.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    return scheme;
}

bool hasScheme(const QString& t) {
    const QRegularExpressionMatch m = schemePattern().match(t);
    if (!m.hasMatch()) return false;
    const QString rest = m.captured(2);
    return rest.isEmpty() || !rest[0].isDigit(); // "localhost:8080" is a host and a port
}

QByteArray encoded(const QString& text) {
    return QUrl::toPercentEncoding(text);
}

// Line breaks of a mail's body travel as CR LF, whatever the platform typed.
QString crlf(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QByteArray mailtoBytes(const MailMessage& mail) {
    QByteArrayList to;
    for (const QString& address : mailAddresses(mail))
        to << QUrl::toPercentEncoding(address, "@");
    QByteArrayList fields;
    // A subject is one line: a line break in it could start a header of its own.
    QString subject = mail.subject;
    subject.replace(QRegularExpression(QStringLiteral("[\\r\\n]+")), QStringLiteral(" "));
    if (!subject.isEmpty()) fields << "subject=" + encoded(subject);
    if (!mail.body.isEmpty()) fields << "body=" + encoded(crlf(mail.body));
    for (const QString& file : mail.attachments)
        fields << "attach=" + encoded(QFileInfo(file).absoluteFilePath());
    QByteArray out = "mailto:" + to.join(',');
    if (!fields.isEmpty()) out += '?' + fields.join('&');
    return out;
}

} // namespace

bool isWebAddress(const QString& target) {
    const QString t = target.trimmed();
    return hasScheme(t) || t.startsWith(u"www.", Qt::CaseInsensitive);
}

QUrl webUrl(const QString& target, WebCheck* check) {
    auto give = [check](WebCheck c, const QUrl& url = {}) {
        if (check) *check = c;
        return url;
    };
    const QString t = target.trimmed();
    if (t.isEmpty()) return give(WebCheck::NotAnAddress);
    const QUrl url(hasScheme(t) ? t : QStringLiteral("https://") + t, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (scheme == u"mailto") {
        if (!url.isValid() || url.path().isEmpty()) return give(WebCheck::NotAnAddress);
        return give(WebCheck::Opened, url);
    }
    if (scheme != u"http" && scheme != u"https") return give(WebCheck::SchemeRefused);
    if (!url.isValid() || url.host().isEmpty()) return give(WebCheck::NotAnAddress);
    return give(WebCheck::Opened, url);
}

bool isMediaPath(const QString& target) {
    return target.size() >= 2 && target[0].isLetter() && target[0].unicode() < 128 &&
           target[1] == u':' && (target.size() == 2 || target[2] == u'\\' || target[2] == u'/');
}

bool isProgram(const QString& hostFile) {
    const QFileInfo file(hostFile);
    if (!file.isFile() || !file.isExecutable()) return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchContent);
    for (const char* program : {"application/x-executable", "application/x-pie-executable",
                                "application/x-sharedlib", "application/x-shellscript"}) {
        if (type.inherits(QLatin1String(program))) return true;
    }
    return false;
}

bool isMailAddress(const QString& address) {
    static const QRegularExpression bad(QStringLiteral("[\\s,;<>()\\[\\]\\\\\"\\p{Cc}]"));
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    return at > 0 && at < address.size() - 1 && address.count(QLatin1Char('@')) == 1 &&
           !bad.match(address).hasMatch();
}

QStringList mailAddresses(const MailMessage& mail) {
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList out;
    for (const QString& entry : mail.to)
        for (const QString& part : entry.split(separators, Qt::SkipEmptyParts))
            if (!part.trimmed().isEmpty()) out << part.trimmed();
    return out;
}

int mailProblem(const MailMessage& mail) {
    for (const QString& address : mailAddresses(mail))
        if (!isMailAddress(address)) return MailUnknownRecipient;
    for (const QString& file : mail.attachments) {
        const QFileInfo info(file);
        if (!info.isFile() || !info.isReadable()) return MailAttachmentNotFound;
    }
    if (mail.body.size() > MaxMailText) return MailTextTooLarge;
    return MailSuccess;
}

QUrl mailtoUrl(const MailMessage& mail) {
    return QUrl::fromEncoded(mailtoBytes(mail), QUrl::StrictMode);
}

QStringList xdgEmailArguments(const MailMessage& mail) {
    return {QString::fromLatin1(mailtoBytes(mail))};
}

} // namespace DesktopLaunch
