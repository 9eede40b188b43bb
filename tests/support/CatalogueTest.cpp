#include "support/CatalogueTest.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Installation.h"
#include "core/Session.h"
#include "framework/window/WindowController.h"

#include <QCoreApplication>

namespace {

// The files the main frame keeps open while it runs.
std::vector<FileManager*> frameFiles() {
    return {&Access::Archief(), &Access::IDE(), &Access::Log(), &Access::Sys(), &Access::Prd()};
}

} // namespace

void CatalogueTest::SetUp() {
    DataDirTest::SetUp();
    process = std::make_unique<Process>(dataDir());
    Installation::Options options;
    options.password = QStringLiteral("Secret");
    options.organization = QStringLiteral("Acme");
    QString report;
    ASSERT_EQ(Installation::install(options, report), Installation::Installed)
        << report.toStdString();
    for (FileManager* f : frameFiles())
        f->Open();
    Session::state() = {};
    WindowController::SetServices(&process->errors(), &process->settings());
}

void CatalogueTest::TearDown() {
    settleEvents();
    WindowController::SetServices(nullptr, nullptr);
    for (FileManager* f : frameFiles())
        f->Close();
    process.reset();
    DataDirTest::TearDown();
}

void CatalogueTest::addUser(const QString& name, const QString& password, int level) {
    IDE.clear();
    IDE.Name = name;
    IDE.PASSWORD = password;
    IDE.LEVEL = quint8(level);
    ASSERT_EQ(Access::IDE().TryInsert(), LevelBenign);
}

void settleEvents() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
