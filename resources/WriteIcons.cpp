// Writes the program's icon, drawn as in its windows, as PNG files of the sizes a desktop's
// icon theme keeps: wareloft-icons DIR NAME writes DIR/<n>x<n>/apps/NAME.png.
#include "framework/host/Images.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wareloft-icons DIR NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = root.filePath(folder + QLatin1Char('/') + name + ".png");
        if (!root.mkpath(folder) ||
            !Images::image(QStringLiteral("Diskfile.ico"), size).save(file, "PNG")) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
