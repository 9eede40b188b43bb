#pragma once

#include "framework/window/WindowController.h"

#include <QImage>

// The window that shows a picture file, titled with the file's name, until "&OK".
class PictureWindow : public WindowController {
public:
    enum Control { Picture = 1, OkButton };

    PictureWindow(const QString& fileName, const QImage& image);

    // The picture in a file, read through the host: null with the reason when the file is
    // not there or is not a picture this computer can read.
    static QImage Load(const QString& fileName, QString* reason);

    int Init() override;

private:
    QString fileName_;
    QImage image_;
};
