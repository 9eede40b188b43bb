#include "support/DataDirTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void DataDirTest::SetUp() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    previousDirectory_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_->path()));
    host.setNow(fixedDate(), fixedTime());
    Host::install(&host);
    ini.Init(QStringLiteral("software.INI"), dir_->path());
    host.setSettings(&ini);
}

void DataDirTest::TearDown() {
    Host::install(nullptr);
    QDir::setCurrent(previousDirectory_);
    dir_.reset();
}

QString DataDirTest::dataPath(const QString& relative) const {
    return QDir(dir_->path()).filePath(relative);
}

void DataDirTest::writeFile(const QString& relative, const QByteArray& content) {
    const QString path = dataPath(relative);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray DataDirTest::readFile(const QString& relative) const {
    QFile file(dataPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString DataDirTest::mapDrive(QChar letter, const QString& relativeFolder) {
    const QString folder = dataPath(relativeFolder);
    QDir().mkpath(folder);
    host.setDriveFolder(letter, folder);
    return folder;
}
