#include "framework/host/HelpIndex.h"
#include "framework/host/HelpViewer.h"
#include "framework/host/Images.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

// Every keyword at which a window of the program opens its help.
const QStringList windowKeywords = {
    "wlp32pe.hlp",      "How to use help", "Wareloft Program",   "Wareloft",     "Update Archive",
    "Software Class",   "Pricing",         "Software Producers", "Scan options", "Scan results",
    "Configure drives", "Search Results",  "system options",     "Users",        "logbook",
};

QString pageText(const QString& page) {
    QFile f(QStringLiteral(":/help/") + page);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString titleOf(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title>([^<]+)</title>"));
    return title.match(html).captured(1);
}

TEST(Help, EveryWindowKeywordOpensAPageOfItsOwn) {
    QSet<QString> pages;
    for (const QString& keyword : windowKeywords) {
        const QString page = HelpIndex::pageFor(keyword);
        EXPECT_FALSE(pages.contains(page)) << qPrintable(keyword) << " shares " << qPrintable(page);
        pages.insert(page);
        const QString html = pageText(page);
        EXPECT_FALSE(titleOf(html).isEmpty()) << qPrintable(keyword) << " -> " << qPrintable(page);
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>"))) << qPrintable(page);
        EXPECT_TRUE(HelpIndex::keywords().contains(keyword)) << qPrintable(keyword);
    }
    EXPECT_EQ(HelpIndex::pageFor(HelpIndex::ContentsKeyword), "contents.html");
    EXPECT_EQ(HelpIndex::urlFor("Users").toString(), "qrc:/help/users.html");
}

TEST(Help, KeywordsIgnoreCaseAndUnknownOnesOpenTheContents) {
    EXPECT_EQ(HelpIndex::pageFor("SYSTEM OPTIONS"), HelpIndex::pageFor("system options"));
    EXPECT_EQ(HelpIndex::pageFor(" Logbook "), HelpIndex::pageFor("logbook"));
    EXPECT_EQ(HelpIndex::pageFor("WLP32PE.HLP"), "contents.html");
    EXPECT_EQ(HelpIndex::pageFor("no such topic"), "contents.html");
    EXPECT_EQ(HelpIndex::pageFor(""), "contents.html");
    // "Wareloft" and "Wareloft Program" are different topics
    EXPECT_NE(HelpIndex::pageFor("Wareloft"), HelpIndex::pageFor("Wareloft Program"));
}

TEST(Help, EveryPageExistsAndEveryLinkLeadsToAPage) {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    static const QRegularExpression picture(QStringLiteral("src=\"image:([^\"]+)\""));
    QSet<QString> linked;
    for (const QString& keyword : HelpIndex::keywords()) {
        const QString page = HelpIndex::pageFor(keyword);
        const QString html = pageText(page);
        ASSERT_FALSE(html.isEmpty()) << qPrintable(page);
        for (auto m = link.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_FALSE(pageText(target).isEmpty())
                << qPrintable(page) << " links " << qPrintable(target);
            linked.insert(target);
        }
        for (auto m = picture.globalMatch(html); m.hasNext();) {
            const QString name = m.next().captured(1);
            EXPECT_TRUE(Images::has(name)) << qPrintable(page) << " shows " << qPrintable(name);
        }
    }
    // the contents reaches every page
    for (const QString& keyword : HelpIndex::keywords()) {
        const QString page = HelpIndex::pageFor(keyword);
        if (page == "contents.html") continue;
        EXPECT_TRUE(linked.contains(page)) << qPrintable(page);
    }
}

TEST(HelpViewer, OneWindowTurnsToThePageAsked) {
    HelpViewer* first = HelpViewer::open("Software Producers");
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->page().toString(), "qrc:/help/producers.html");
    EXPECT_TRUE(first->windowTitle().contains("Software producers"));
    EXPECT_FALSE(first->browser()->toPlainText().isEmpty());
    const QVariant picture =
        first->browser()->loadResource(QTextDocument::ImageResource, QUrl("image:CD.ico"));
    EXPECT_FALSE(picture.value<QImage>().isNull());

    HelpViewer* second = HelpViewer::open("unknown keyword");
    EXPECT_EQ(second, first);
    EXPECT_EQ(HelpViewer::current(), first);
    EXPECT_EQ(second->page().toString(), "qrc:/help/contents.html");

    auto* back = first->findChild<QPushButton*>("helpBack");
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(first->page().toString(), "qrc:/help/producers.html");
    first->findChild<QPushButton*>("helpContents")->click();
    EXPECT_EQ(first->page().toString(), "qrc:/help/contents.html");

    first->close(); // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(HelpViewer::current(), nullptr);
}

} // namespace
