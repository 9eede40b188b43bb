#pragma once

#include "framework/host/FileSystemHost.h"

class QWidget;
struct MessageButtons;

// The host of the program: message boxes, dialogs and menus as Qt windows, the desktop's
// shell and mail client, and the program's own help window. Every call belongs on the GUI
// thread; dialogs are modal to the active window.
class QtHost : public FileSystemHost {
public:
    // Buttons as a bit set or as a "|" list; see MessageButtons.h. An empty caption shows
    // the program's name.
    int message(const QString& text, const QString& caption, Icon icon, int buttons,
                int defaultButton) override;
    int message(const QString& text, const QString& caption, Icon icon, const QString& buttonNames,
                int defaultButton) override;

    // `start` is a file name or path, relative ones taken from the current directory. The
    // chosen file comes back as a full host path.
    QString fileDialog(const QString& title, const QString& filters, const QString& start,
                       bool save) override;
    // The chosen directory as a full host path followed by "/", which callers that strip a
    // trailing separator expect.
    QString directoryDialog(const QString& title, const QString& start) override;
    bool colourDialog(const QString& title, Colour& colour) override;
    // Family, size, bold and italic; the colour is left as it is.
    bool fontDialog(const QString& title, FontChoice& font) override;
    // At the mouse pointer; numbering as in PopupMenuText.h.
    int popupMenu(const QString& items) override;
    // Printer, copies and the printer's own settings; the pages are chosen by the caller.
    bool printDialog(const QString& title, QPrinter& printer) override;

    // Writes the text to the error stream and exits at once with the code: nothing is saved.
    [[noreturn]] void endProgram(int exitCode, const QString& text) override;

    // Web addresses go to the desktop's browser (http, https and mailto only); a media path
    // ("D:\SETUP.EXE") is first turned into its host path; a program is started detached in its own
    // directory; any other file is opened by the desktop. False when nothing could be started.
    bool shellOpen(const QString& target) override;
    // Through xdg-email when it is on the PATH, otherwise a mailto: address opened by the
    // desktop. A mail with a bad address, a missing attachment or too long a text is not
    // handed over; MailLoginFailure when no mail client could be started.
    int composeMail(const MailMessage& mail) override;
    // A window listing the book with a tick per entry and a line to find entries by.
    int addressBook(const QString& caption, const std::vector<AddressEntry>& book,
                    QStringList& recipients) override;
    void showHelp(const QString& keyword) override;

protected:
    bool startProgram(const QString& hostFile, QString* error) override;

private:
    static QWidget* dialogParent();
    int showMessage(const QString& text, const QString& caption, Icon icon,
                    const MessageButtons& buttons);
};
