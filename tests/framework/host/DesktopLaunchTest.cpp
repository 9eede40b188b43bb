#include "framework/host/DesktopLaunch.h"
#include "framework/host/FileDialogFilter.h"
#include "framework/host/Host.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

TEST(DesktopLaunch, TellsWebAddressesFromFiles) {
    for (const char* web : {"http://example.com", "https://example.com/a?b=1", "HTTP://X.ORG",
                            "WWW.Example.com", "mailto:someone@example.com", " www.x.org "})
        EXPECT_TRUE(DesktopLaunch::isWebAddress(web)) << web;
    // Other schemes would start whatever program claims them: they are no web addresses.
    for (const char* file :
         {"D:\\TOOLS\\SETUP.EXE", "readme.txt", "/home/a/www.txt", "", "C://x", "ftp://host/x",
          "file:///etc/passwd", "ssh://host", "javascript://x", "smb://share/setup.exe"})
        EXPECT_FALSE(DesktopLaunch::isWebAddress(file)) << file;
    EXPECT_EQ(DesktopLaunch::webUrl("www.example.com").toString(), "http://www.example.com");
    EXPECT_EQ(DesktopLaunch::webUrl("https://a.b/c").toString(), "https://a.b/c");

    for (const char* media : {"D:\\TOOLS\\SETUP.EXE", "e:", "A:/x"})
        EXPECT_TRUE(DesktopLaunch::isMediaPath(media)) << media;
    for (const char* other : {"TOOLS\\SETUP.EXE", "/tmp/x", "D", "DD:\\x", "D:x"})
        EXPECT_FALSE(DesktopLaunch::isMediaPath(other)) << other;
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

MailMessage supportMail() {
    MailMessage mail;
    mail.to = {"support@example.com", " ", "second@example.org"};
    mail.subject = "Support-request for TOOLS\\ZIP.EXE -- Reg.Nr: A&B=1";
    mail.body = "   Line one\nLine 2 100%";
    mail.attachments = {"/tmp/report one.txt"};
    return mail;
}

TEST(DesktopLaunch, XdgEmailGetsOptionsThenAddresses) {
    EXPECT_EQ(
        DesktopLaunch::xdgEmailArguments(supportMail()),
        QStringList({"--utf8", "--subject", "Support-request for TOOLS\\ZIP.EXE -- Reg.Nr: A&B=1",
                     "--body", "   Line one\nLine 2 100%", "--attach", "/tmp/report one.txt",
                     "--to", "support@example.com", "--to", "second@example.org"}));
    MailMessage dashed;
    dashed.to = {"-x@example.com", "--help"};
    EXPECT_EQ(DesktopLaunch::xdgEmailArguments(dashed),
              QStringList({"--utf8", "--to", "-x@example.com", "--to", "--help"}));
    MailMessage bare;
    EXPECT_EQ(DesktopLaunch::xdgEmailArguments(bare), QStringList({"--utf8"}));
}

TEST(DesktopLaunch, MailtoAddressEncodesEveryField) {
    const QUrl url = DesktopLaunch::mailtoUrl(supportMail());
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "support@example.com,second@example.org");
    const QByteArray encoded = url.toEncoded();
    EXPECT_TRUE(encoded.contains("subject=Support-request%20for%20TOOLS%5CZIP.EXE%20--%20Reg.Nr%3A"
                                 "%20A%26B%3D1"))
        << encoded.constData();
    EXPECT_TRUE(encoded.contains("&body=%20%20%20Line%20one%0ALine%202%20100%25"));
    EXPECT_TRUE(encoded.contains("&attach=%2Ftmp%2Freport%20one.txt"));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), supportMail().subject);
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), supportMail().body);

    MailMessage onlyTo;
    onlyTo.to = {"a@b.c"};
    EXPECT_EQ(DesktopLaunch::mailtoUrl(onlyTo).toEncoded(), "mailto:a@b.c");
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
