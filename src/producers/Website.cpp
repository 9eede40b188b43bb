#include "producers/Website.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/Threads.h"
#include "framework/host/DesktopLaunch.h"
#include "framework/host/Host.h"

#include <QTimer>

namespace Website {

namespace {

void tell(const QString& text, const char* caption) {
    Host::instance().message(text, QString::fromLatin1(caption), Icon::Information, ButtonOk,
                             ButtonOk);
}

// The producer's stored website; false when no producer has that name.
bool lookUp(const QString& name, QString& website) {
    FileManager& producers = Access::Prd();
    if (producers.Open() != LevelBenign) return false;
    bool found = false;
    if (producers.UseFile() == LevelBenign) {
        const int saved = producers.SaveFile(); // the caller's record and position stay
        PrdRecord probe;
        probe.Name = name;
        found = producers.File->get(PrdKey::KeyName, probe) == store::Ok;
        website = probe.Website.str();
        producers.RestoreFile(saved);
    }
    producers.Close();
    return found;
}

bool openAddress(const QString& website) {
    DesktopLaunch::WebCheck check = DesktopLaunch::WebCheck::Opened;
    const QUrl url = DesktopLaunch::webUrl(website, &check);
    switch (check) {
    case DesktopLaunch::WebCheck::Opened:
        Host::instance().shellOpen(url.toString(QUrl::FullyEncoded));
        return true;
    case DesktopLaunch::WebCheck::NotAnAddress:
        tell(QStringLiteral("\"%1\" is not a website address.").arg(website.trimmed()), Caption);
        return false;
    case DesktopLaunch::WebCheck::SchemeRefused:
        tell(QStringLiteral("The website \"%1\" is not opened: only http, https and mailto "
                            "addresses are opened.")
                 .arg(website.trimmed()),
             Caption);
        return false;
    }
    return false;
}

} // namespace

bool Open(const QString& producerName) {
    const QString name = Text::fit(producerName, NameLength);
    if (name.trimmed().isEmpty()) return openAddress(QString::fromLatin1(HomePage));
    QString website;
    if (!lookUp(name, website)) {
        tell(QStringLiteral("Producer Name unknown"), UnknownCaption);
        return false;
    }
    if (website.trimmed().isEmpty()) {
        tell(QStringLiteral("No URL defined"), Caption);
        return false;
    }
    return openAddress(website);
}

void Start(const QString& producerName) {
    const int thread = Threads::allocate();
    QTimer::singleShot(0, [producerName, thread] {
        const Threads::Scope scope(thread);
        Open(producerName);
    });
}

} // namespace Website
