#pragma once

#include "framework/IniManager.h"
#include "framework/host/ScriptedHost.h"
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QDate>
#include <QTemporaryDir>
#include <QTime>
#include <gtest/gtest.h>
#include <memory>

// Base of every test that touches the disk or the host: a fresh temporary data directory
// made current, a fresh scripted host installed as Host::instance() with a fixed clock, and
// the settings file "software.INI" in that directory (also the host's drive settings).
// Teardown installs no host and makes the previous directory current again.
class DataDirTest : public ::testing::Test {
protected:
    static QDate fixedDate() { return QDate(2026, 12, 8); }
    static QTime fixedTime() { return QTime(10, 30, 0); }

    void SetUp() override;
    void TearDown() override;

    QString dataDir() const { return dir_->path(); }
    // A path inside the data directory, "/" separated.
    QString dataPath(const QString& relative) const;
    // Writes a file in the data directory, creating its folders.
    void writeFile(const QString& relative, const QByteArray& content = {});
    QByteArray readFile(const QString& relative) const;
    // Makes a folder in the data directory the host folder of a drive letter; returns its
    // path.
    QString mapDrive(QChar letter, const QString& relativeFolder);

    ScriptedHost host;
    IniManager ini;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString previousDirectory_;
};
