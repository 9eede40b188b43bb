#include "framework/host/Images.h"

#include "framework/host/DrawnIcons.h"

#include <QFileInfo>
#include <QHash>
#include <QPixmap>
#include <array>

namespace {

struct Drawing {
    const char* name;
    void (*draw)(QPainter&);
};

constexpr std::array<Drawing, 18> drawings{{
    {"Diskfile.ico", DrawnIcons::diskFile},
    {"Trffc10a.ico", DrawnIcons::trafficLightGreen},
    {"Trffc10b.ico", DrawnIcons::trafficLightAmber},
    {"Trffc10c.ico", DrawnIcons::trafficLightRed},
    {"cancel.ico", DrawnIcons::cancel},
    {"download.ico", DrawnIcons::download},
    {"Cancel4.ico", DrawnIcons::cancelCd},
    {"Database.ico", DrawnIcons::database},
    {"seek.ico", DrawnIcons::seek},
    {"tools.ico", DrawnIcons::tools},
    {"send1.ico", DrawnIcons::send},
    {"connect.ico", DrawnIcons::connect},
    {"vg.ico", DrawnIcons::properties},
    {"CD.ico", DrawnIcons::cd},
    {"folder.ico", DrawnIcons::folder},
    {"Disk12.ico", DrawnIcons::floppy},
    {"To2.ico", DrawnIcons::addressBook},
    {"Printer.ico", DrawnIcons::printer},
}};

const Drawing* find(const QString& name) {
    const QString wanted = QFileInfo(name.trimmed()).fileName();
    for (const Drawing& d : drawings) {
        if (wanted.compare(QLatin1String(d.name), Qt::CaseInsensitive) == 0) return &d;
    }
    return nullptr;
}

} // namespace

namespace Images {

QImage image(const QString& name, int size) {
    const Drawing* d = find(name);
    if (!d || size <= 0) return QImage();
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    d->draw(p);
    return img;
}

QIcon icon(const QString& name) {
    static QHash<QString, QIcon> made; // icons are made on the GUI thread only
    const Drawing* d = find(name);
    if (!d) return QIcon();
    QIcon& icon = made[QString::fromLatin1(d->name)];
    if (icon.isNull()) {
        for (int size : {16, 20, 24, 32, 48, 64, 128})
            icon.addPixmap(QPixmap::fromImage(image(name, size)));
    }
    return icon;
}

bool has(const QString& name) {
    return find(name) != nullptr;
}

QStringList iconNames() {
    QStringList names;
    for (const Drawing& d : drawings)
        names << QString::fromLatin1(d.name);
    return names;
}

QImage wallpaper(const QString& fileName) {
    QImage img;
    if (!fileName.trimmed().isEmpty()) img.load(fileName.trimmed());
    if (img.isNull() &&
        QFileInfo(fileName.trimmed()).fileName().compare(u"lion.jpg", Qt::CaseInsensitive) == 0)
        return lion();
    return img;
}

QImage lion(const QSize& size) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawnIcons::lion(p, size);
    return img;
}

} // namespace Images
