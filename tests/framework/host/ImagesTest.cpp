#include "framework/host/Images.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every picture a window of the program names.
const QStringList usedNames = {
    "Trffc10a.ico", "Trffc10b.ico", "Trffc10c.ico", "Diskfile.ico", "cancel.ico", "download.ico",
    "Cancel4.ico",  "Database.ico", "seek.ico",     "tools.ico",    "send1.ico",  "connect.ico",
    "vg.ico",       "CD.ico",       "folder.ico",   "Disk12.ico",   "Tools.ico",  "Cancel.ico",
    "Download.ico", "Seek.ico",     "Send1.ico",    "SEND1.ICO",    "To2.ico",    "Printer.ico",
};

// Share of the pixels that are not transparent.
double coverage(const QImage& img) {
    int painted = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x)
            painted += qAlpha(img.pixel(x, y)) > 0;
    }
    return double(painted) / (img.width() * img.height());
}

TEST(Images, EveryNameUsedHasAPicture) {
    for (const QString& name : usedNames) {
        EXPECT_TRUE(Images::has(name)) << qPrintable(name);
        const QIcon icon = Images::icon(name);
        ASSERT_FALSE(icon.isNull()) << qPrintable(name);
        EXPECT_EQ(icon.pixmap(32).size(), QSize(32, 32));
        const QImage img = Images::image(name, 48);
        EXPECT_GT(coverage(img), 0.2) << qPrintable(name);
    }
    EXPECT_FALSE(Images::has("nothing.ico"));
    EXPECT_TRUE(Images::icon("nothing.ico").isNull());
    EXPECT_TRUE(Images::image("nothing.ico", 32).isNull());
}

TEST(Images, DifferentNamesGiveDifferentPictures) {
    QList<QImage> seen;
    for (const QString& name : Images::iconNames()) {
        const QImage img = Images::image(name, 32);
        for (const QImage& other : seen)
            EXPECT_NE(img, other) << qPrintable(name);
        seen << img;
    }
    EXPECT_EQ(Images::image("cd.ico", 32), Images::image("CD.ico", 32));
}

TEST(Images, WallpaperLoadsAFileOrFallsBackToTheLion) {
    const QImage lion = Images::wallpaper("lion.jpg");
    ASSERT_FALSE(lion.isNull());
    EXPECT_EQ(lion.size(), QSize(1024, 768));
    EXPECT_EQ(Images::wallpaper("LION.JPG").size(), lion.size());
    EXPECT_TRUE(Images::wallpaper("missing.jpg").isNull());
    EXPECT_TRUE(Images::wallpaper("").isNull());

    QTemporaryDir dir;
    QImage own(40, 30, QImage::Format_RGB32);
    own.fill(Qt::darkGreen);
    const QString file = dir.filePath("lion.jpg");
    ASSERT_TRUE(own.save(file, "JPG"));
    EXPECT_EQ(Images::wallpaper(file).size(), QSize(40, 30)); // a real file wins
    EXPECT_EQ(Images::lion(QSize(320, 240)).size(), QSize(320, 240));
}

} // namespace
