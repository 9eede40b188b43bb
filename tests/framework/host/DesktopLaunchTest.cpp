#include "framework/host/DesktopLaunch.h"
#include "framework/host/FileDialogFilter.h"
#include "framework/host/Host.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

TEST(DesktopLaunch, TellsWebAddressesFromFiles) {
    for (const char* web :
         {"http://example.com", "https://example.com/a?b=1", "ftp://host/x", "WWW.Example.com",
          "mailto:someone@example.com", " www.x.org ", "javascript:alert(1)", "file:///etc/passwd"})
        EXPECT_TRUE(DesktopLaunch::isWebAddress(web)) << web;
    for (const char* file : {"D:\\TOOLS\\SETUP.EXE", "readme.txt", "/home/a/www.txt", "", "C://x",
                             "e:", "localhost:8080"})
        EXPECT_FALSE(DesktopLaunch::isWebAddress(file)) << file;

    for (const char* media : {"D:\\TOOLS\\SETUP.EXE", "e:", "A:/x"})
        EXPECT_TRUE(DesktopLaunch::isMediaPath(media)) << media;
    for (const char* other : {"TOOLS\\SETUP.EXE", "/tmp/x", "D", "DD:\\x", "D:x"})
        EXPECT_FALSE(DesktopLaunch::isMediaPath(other)) << other;
}

TEST(DesktopLaunch, OpensOnlyHttpHttpsAndMailtoAddresses) {
    using DesktopLaunch::WebCheck;
    auto open = [](const char* typed, WebCheck expected) {
        WebCheck check = WebCheck::Opened;
        const QUrl url = DesktopLaunch::webUrl(QString::fromUtf8(typed), &check);
        EXPECT_EQ(int(check), int(expected)) << typed;
        EXPECT_EQ(url.isEmpty(), expected != WebCheck::Opened) << typed;
        return url.toString(QUrl::FullyEncoded);
    };
    EXPECT_EQ(open("www.example.com", WebCheck::Opened), "https://www.example.com");
    EXPECT_EQ(open("  example.com/tools  ", WebCheck::Opened), "https://example.com/tools");
    EXPECT_EQ(open("localhost:8080/x", WebCheck::Opened), "https://localhost:8080/x");
    EXPECT_EQ(open("www.example.com:8080", WebCheck::Opened), "https://www.example.com:8080");
    EXPECT_EQ(open("HTTP://Example.com/a b?q=c d", WebCheck::Opened),
              "http://example.com/a%20b?q=c%20d");
    EXPECT_EQ(open("https://例え.jp/", WebCheck::Opened), "https://xn--r8jz45g.jp/");
    EXPECT_EQ(open("mailto:sales@example.com", WebCheck::Opened), "mailto:sales@example.com");

    for (const char* refused :
         {"javascript:alert(document.cookie)", "JavaScript:void(0)", "file:///etc/passwd",
          "file:C:/x", "ftp://example.com/pub", "data:text/html,<b>x</b>", "vbscript:msgbox"})
        open(refused, WebCheck::SchemeRefused);
    for (const char* broken :
         {"", "   ", "www.exa mple.com", "https://", "http:example.com", "mailto:", "https://a..b"})
        open(broken, WebCheck::NotAnAddress);
}

TEST(DesktopLaunch, OnlyExecutableProgramsAreStarted) {
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& content, bool executable) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        if (executable) f.setPermissions(f.permissions() | QFile::ExeOwner);
        return f.fileName();
    };
    EXPECT_TRUE(DesktopLaunch::isProgram(write("run", "#!/bin/sh\necho hi\n", true)));
    // every file of a medium may carry the executable mark: a text file is still opened
    EXPECT_FALSE(DesktopLaunch::isProgram(write("README.TXT", "Read me first.\n", true)));
    EXPECT_FALSE(DesktopLaunch::isProgram(write("plain.sh", "#!/bin/sh\n", false)));
    EXPECT_FALSE(DesktopLaunch::isProgram(dir.path()));
    EXPECT_FALSE(DesktopLaunch::isProgram(dir.filePath("missing")));
}

// What a user may type: quotes, ampersands, line breaks, backslash sequences that a shell's
// echo would eat, percent signs, URL delimiters and text beyond ASCII.
MailMessage awkwardMail() {
    MailMessage mail;
    mail.to = {"-support@example.com", " ", "second@example.org; third@example.net"};
    mail.subject = "Support-request for D:\\config\\new.exe -- Reg.Nr: \"A&B=1\" 100% ?#+";
    mail.body = "   Line one\nLine 2 \\c & 'quoted' é ü 日本語 עברית\r\nlast line";
    return mail;
}

QUrlQuery queryOf(const QString& encodedMailto) {
    const QUrl url = QUrl::fromEncoded(encodedMailto.toLatin1(), QUrl::StrictMode);
    EXPECT_TRUE(url.isValid()) << encodedMailto.toStdString();
    return QUrlQuery(url);
}

TEST(DesktopLaunch, MailtoCarriesEveryCharacterTyped) {
    const MailMessage mail = awkwardMail();
    const QUrl url = DesktopLaunch::mailtoUrl(mail);
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "-support@example.com,second@example.org,third@example.net");
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), mail.subject);
    // line breaks travel as CR LF, whichever the text had
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded),
              "   Line one\r\nLine 2 \\c & 'quoted' é ü 日本語 עברית\r\nlast line");

    MailMessage onlyTo;
    onlyTo.to = {"a@b.c"};
    EXPECT_EQ(DesktopLaunch::mailtoUrl(onlyTo).toEncoded(), "mailto:a@b.c");
    MailMessage twoLineSubject;
    twoLineSubject.subject = "one\r\ntwo";
    EXPECT_EQ(DesktopLaunch::mailtoUrl(twoLineSubject).toEncoded(), "mailto:?subject=one%20two")
        << "a subject stays one line";
}

TEST(DesktopLaunch, XdgEmailGetsOneAddressNothingReadAsAnOption) {
    QTemporaryDir dir;
    MailMessage mail = awkwardMail();
    mail.attachments = {dir.filePath("report one.txt")};
    const QStringList args = DesktopLaunch::xdgEmailArguments(mail);
    ASSERT_EQ(args.size(), 1);
    EXPECT_TRUE(args[0].startsWith("mailto:-support@example.com,")) << args[0].toStdString();
    const QUrlQuery query = queryOf(args[0]);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), mail.subject);
    EXPECT_EQ(query.queryItemValue("attach", QUrl::FullyDecoded), mail.attachments[0]);
    for (QChar c : args[0])
        EXPECT_TRUE(c.unicode() > 32 && c.unicode() < 127) << "only URL characters";
}

// The installed xdg-email hands a complete mailto: address on untouched: its hook receives
// what the mail client would.
TEST(DesktopLaunch, TheDesktopsXdgEmailPassesTheAddressOnUnchanged) {
    const QString xdgEmail = QStandardPaths::findExecutable("xdg-email");
    if (xdgEmail.isEmpty()) GTEST_SKIP() << "xdg-email is not installed";
    QTemporaryDir dir;
    QFile hook(dir.filePath("xdg-email-hook.sh"));
    ASSERT_TRUE(hook.open(QIODevice::WriteOnly));
    hook.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/received\"\n");
    hook.close();
    hook.setPermissions(hook.permissions() | QFile::ExeOwner);

    const QStringList args = DesktopLaunch::xdgEmailArguments(awkwardMail());
    QProcess xdg;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", dir.path() + ":" + env.value("PATH"));
    xdg.setProcessEnvironment(env);
    xdg.start(xdgEmail, args);
    ASSERT_TRUE(xdg.waitForFinished(20000));
    EXPECT_EQ(xdg.exitCode(), 0) << xdg.readAllStandardError().toStdString();
    QFile received(dir.filePath("received"));
    ASSERT_TRUE(received.open(QIODevice::ReadOnly));
    const QString got = QString::fromLatin1(received.readAll());
    EXPECT_EQ(got, args[0]);
    EXPECT_EQ(queryOf(got).queryItemValue("subject", QUrl::FullyDecoded), awkwardMail().subject);
}

TEST(DesktopLaunch, MailThatCannotBeHandedOver) {
    EXPECT_EQ(DesktopLaunch::mailProblem(awkwardMail()), MailSuccess);
    for (const char* address : {"a@b", "-x@example.com", "o'brien@example.ie", "ü@例え.jp"})
        EXPECT_TRUE(DesktopLaunch::isMailAddress(address)) << address;
    for (const char* address : {"", "support", "@example.com", "support@", "a@b@c", "a b@c.d",
                                "a@b.c\n", "Name <a@b.c>", "a\"@b.c"})
        EXPECT_FALSE(DesktopLaunch::isMailAddress(address)) << address;

    MailMessage mail;
    mail.to = {"support@example.com, not an address"};
    EXPECT_EQ(DesktopLaunch::mailProblem(mail), MailUnknownRecipient);
    mail.to = {"support@example.com"};
    QTemporaryDir dir;
    mail.attachments = {dir.filePath("missing.txt")};
    EXPECT_EQ(DesktopLaunch::mailProblem(mail), MailAttachmentNotFound);
    mail.attachments = {dir.path()};
    EXPECT_EQ(DesktopLaunch::mailProblem(mail), MailAttachmentNotFound) << "a folder is no file";
    mail.attachments.clear();
    mail.body = QString(DesktopLaunch::MaxMailText, u'x');
    EXPECT_EQ(DesktopLaunch::mailProblem(mail), MailSuccess);
    mail.body += u'x';
    EXPECT_EQ(DesktopLaunch::mailProblem(mail), MailTextTooLarge);
}

TEST(FileDialogFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(qtNameFilters("JPEG|*.jpg|GIF|*.gif|Bitmap|*.bmp"),
              QStringList({"JPEG (*.jpg)", "GIF (*.gif)", "Bitmap (*.bmp)"}));
    // "*.*" is every file, also one without an extension; ";" joins several patterns
    EXPECT_EQ(qtNameFilters("All Files|*.*"), QStringList({"All Files (*)"}));
    EXPECT_EQ(qtNameFilters("Programs|*.exe;*.com|Text| *.txt "),
              QStringList({"Programs (*.exe *.com)", "Text (*.txt)"}));
    EXPECT_EQ(qtNameFilters("*.ini"), QStringList({"*.ini (*.ini)"}));
    EXPECT_TRUE(qtNameFilters("").isEmpty());
}

} // namespace
