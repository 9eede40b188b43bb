#include "framework/IniDocument.h"
#include "framework/IniManager.h"

// Storing and restoring a window's place, each with one read of the file (and one write).

namespace {

int number(const IniDocument& doc, const QString& section, const char* entry) {
    return doc.value(section, QLatin1String(entry)).value_or(QString()).toInt();
}

} // namespace

void IniManager::FetchWindow(const QString& section, SettingsWindow& window) const {
    std::scoped_lock guard(lock_);
    const IniDocument doc = read();
    const QString maximize = doc.value(section, QStringLiteral("Maximize")).value_or(QString());
    const bool yes = maximize.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
    const bool no = maximize.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0;
    if (!yes && !no) return; // first run: the window keeps its designed place and size
    if (window.isMaximized() && no) window.restore();
    if (!doc.value(section, QStringLiteral("XPos")).value_or(QString()).isEmpty()) {
        window.move(number(doc, section, "XPos"), number(doc, section, "YPos"));
        const int width = number(doc, section, "Width");
        const int height = number(doc, section, "Height");
        if (window.isResizable() && width > 0 && height > 0) window.resize(width, height);
    }
    if (yes) window.maximize();
}

void IniManager::UpdateWindow(const QString& section, const SettingsWindow& window) {
    if (window.isMinimized()) return;
    std::scoped_lock guard(lock_);
    IniDocument::Loaded how;
    IniDocument doc = read(&how);
    const bool maximized = window.isMaximized();
    doc.setValue(section, QStringLiteral("Maximize"),
                 maximized ? QStringLiteral("Yes") : QStringLiteral("No"));
    // A maximized window keeps the place it had when it was last closed normal.
    if (!maximized) {
        doc.setValue(section, QStringLiteral("XPos"), QString::number(window.x()));
        doc.setValue(section, QStringLiteral("YPos"), QString::number(window.y()));
        if (window.isResizable()) {
            doc.setValue(section, QStringLiteral("Height"), QString::number(window.height()));
            doc.setValue(section, QStringLiteral("Width"), QString::number(window.width()));
        }
    }
    write(doc, how);
}
