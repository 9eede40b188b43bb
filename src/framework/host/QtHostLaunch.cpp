// The parts of the Qt host that reach outside the program: the shell, mail and the ending.
#include "framework/host/QtHost.h"

#include "framework/host/DesktopLaunch.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

bool QtHost::shellOpen(const QString& target) {
    const QString t = target.trimmed();
    if (t.isEmpty()) return false;
    if (DesktopLaunch::isWebAddress(t)) {
        const QUrl url = DesktopLaunch::webUrl(t);
        return !url.isEmpty() && QDesktopServices::openUrl(url);
    }
    const QString path = DesktopLaunch::isMediaPath(t) ? hostPath(t) : t;
    if (path.isEmpty()) return false; // a drive that is not configured
    const QFileInfo file(QDir(currentDirectory()), path);
    if (!file.exists()) return false;
    if (DesktopLaunch::isProgram(file.absoluteFilePath()))
        return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool QtHost::startProgram(const QString& hostFile, QString* error) {
    QProcess process;
    process.setProgram(hostFile);
    process.setWorkingDirectory(QFileInfo(hostFile).absolutePath());
    if (process.startDetached()) return true;
    if (error) *error = process.errorString();
    return false;
}

int QtHost::composeMail(const MailMessage& mail) {
    if (const int problem = DesktopLaunch::mailProblem(mail)) return problem;
    const QString xdgEmail = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (!xdgEmail.isEmpty() &&
        QProcess::startDetached(xdgEmail, DesktopLaunch::xdgEmailArguments(mail)))
        return MailSuccess;
    return QDesktopServices::openUrl(DesktopLaunch::mailtoUrl(mail)) ? MailSuccess
                                                                     : MailLoginFailure;
}

void QtHost::endProgram(int exitCode, const QString& text) {
    if (!text.isEmpty()) std::fprintf(stderr, "Wareloft ended: %s\n", qPrintable(text));
    QCoreApplication::exit(exitCode);
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
