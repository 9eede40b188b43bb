#include "framework/host/DesktopLaunch.h"

#include "framework/host/Host.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace DesktopLaunch {

bool isWebAddress(const QString& target) {
    const QString t = target.trimmed();
    for (const char16_t* start : {u"http://", u"https://", u"mailto:", u"www."})
        if (t.startsWith(QStringView(start), Qt::CaseInsensitive)) return true;
    return false;
}

QUrl webUrl(const QString& target) {
    return QUrl::fromUserInput(target.trimmed());
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

QStringList xdgEmailArguments(const MailMessage& mail) {
    QStringList args{QStringLiteral("--utf8")};
    if (!mail.subject.isEmpty()) args << QStringLiteral("--subject") << mail.subject;
    if (!mail.body.isEmpty()) args << QStringLiteral("--body") << mail.body;
    for (const QString& file : mail.attachments)
        args << QStringLiteral("--attach") << file;
    // Each address as the value of --to, so that one beginning with "-" is never taken for an
    // option (the mail client's launcher refuses a "--" that would end them).
    for (const QString& to : mail.to) {
        if (!to.trimmed().isEmpty()) args << QStringLiteral("--to") << to.trimmed();
    }
    return args;
}

QUrl mailtoUrl(const MailMessage& mail) {
    QByteArrayList to;
    for (const QString& address : mail.to) {
        if (!address.trimmed().isEmpty()) to << QUrl::toPercentEncoding(address.trimmed(), "@");
    }
    QByteArrayList fields;
    auto add = [&fields](const char* name, const QString& value) {
        fields << QByteArray(name) + '=' + QUrl::toPercentEncoding(value);
    };
    if (!mail.subject.isEmpty()) add("subject", mail.subject);
    if (!mail.body.isEmpty()) add("body", mail.body);
    for (const QString& file : mail.attachments)
        add("attach", file);
    QByteArray encoded = "mailto:" + to.join(',');
    if (!fields.isEmpty()) encoded += '?' + fields.join('&');
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

} // namespace DesktopLaunch
