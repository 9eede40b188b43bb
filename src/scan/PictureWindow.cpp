#include "scan/PictureWindow.h"

#include "framework/host/Host.h"
#include "framework/host/HostDirectory.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Larger files are not read whole for a picture.
constexpr qint64 LargestPicture = qint64(256) << 20;

// The bytes of a file; an empty array with the reason when it cannot be read.
QByteArray readWhole(const QString& hostPath, QString* reason) {
    const QByteArray native = HostDirectory::nativePath(hostPath);
    const int fd = hostPath.isEmpty() ? -1 : ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *reason =
            hostPath.isEmpty() ? QStringLiteral("Invalid drive") : HostDirectory::errorText(errno);
        return {};
    }
    QByteArray bytes;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *reason = QStringLiteral("Not a file");
    } else if (st.st_size > LargestPicture) {
        *reason = QStringLiteral("The file is too large for a picture");
    } else {
        bytes.resize(qsizetype(st.st_size));
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += n;
        }
        bytes.truncate(got);
        if (bytes.isEmpty()) *reason = QStringLiteral("The file is empty");
    }
    ::close(fd);
    return bytes;
}

} // namespace

PictureWindow::PictureWindow(const QString& fileName, const QImage& image)
    : WindowController(QStringLiteral("ShowWindow")), fileName_(fileName), image_(image) {}

QImage PictureWindow::Load(const QString& fileName, QString* reason) {
    QString why;
    QByteArray bytes = readWhole(Host::instance().hostPath(fileName), &why);
    QImage image;
    if (!bytes.isEmpty()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setAutoTransform(true);
        image = reader.read();
        if (image.isNull())
            why = reader.error() == QImageReader::UnsupportedFormatError
                      ? QStringLiteral("This kind of picture cannot be shown here")
                      : reader.errorString();
    }
    if (reason) *reason = why;
    return image;
}

int PictureWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(fileName_);
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(QPixmap::fromImage(image_));
    auto* area = new QScrollArea;
    area->setWidget(label);
    area->setAlignment(Qt::AlignCenter);
    area->setWidgetResizable(true);
    // Large pictures open as large as the screen allows and scroll inside.
    const QSize screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableSize() * 0.8
                             : QSize(1024, 768);
    area->setMinimumSize(image_.size().boundedTo(screen).expandedTo(QSize(160, 80)) + QSize(4, 4));
    C().custom(Picture, area).at(0, 0);
    C().button(OkButton, QStringLiteral("&OK")).at(1, 0).defaultButton();
    AddButton(OkButton, RequestCompleted);
    return Open();
}
