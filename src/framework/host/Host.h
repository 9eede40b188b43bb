#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class IniManager;
class QPrinter;

// Everything the system asks of the platform. Two implementations: the Qt one for the
// program and the scripted one for tests, which records what was shown and answers from
// a script.

enum class Icon { None, Information, Exclamation, Question, Hand };

// Message-box buttons as a bit set; a box returns the bit of the button pressed.
enum Button : int {
    ButtonOk = 1,
    ButtonYes = 2,
    ButtonNo = 4,
    ButtonAbort = 8,
    ButtonRetry = 16,
    ButtonIgnore = 32,
    ButtonCancel = 64,
};

// A colour value 0xBBGGRR: blue in the high byte, then green, then red.
using Colour = qint32;

struct FontChoice {
    QString family;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
    Colour colour = 0;
};

// Attribute bytes of a directory entry.
enum Attribute : int {
    AttrReadOnly = 1,
    AttrHidden = 2,
    AttrSystem = 4,
    AttrDirectory = 16,
    AttrArchive = 32
};

struct DirEntry {
    QString name;      // long name
    QString shortName; // the same on this platform
    qint32 date = 0;   // standard day number
    qint32 time = 0;   // standard time value
    qint64 size = 0;   // bytes
    int attributes = 0;
};

struct MailMessage {
    QStringList to; // addresses; one entry may hold several separated by "," or ";"
    QString subject;
    QString body;
    QStringList attachments; // host paths
    // The user finishes the mail in the mail client's own window (no subject, or nobody to
    // send it to). The desktop's mail client always shows its window; the flag says which
    // way the mail was meant.
    bool dialog = false;
};

// What handing over a mail or using the address book came to, in the numbering of the mail
// interface whose result texts the windows show.
enum MailResult : int {
    MailSuccess = 0,
    MailUserAbort = 1,
    MailFailure = 2,
    MailLoginFailure = 3, // no mail client could be reached
    MailAttachmentNotFound = 11,
    MailUnknownRecipient = 14, // an address that is no mail address
    MailTextTooLarge = 18,
};

// One entry the address book offers.
struct AddressEntry {
    QString name;
    QString address;
};

class Host {
public:
    virtual ~Host() = default;

    // The process-wide host; the program installs the Qt host, a test the scripted one.
    static Host& instance();
    static void install(Host* host);
    // Whether a host is installed (a tool may run without one).
    static bool present();

    // Message box with buttons as a bit set; returns the bit pressed.
    virtual int message(const QString& text, const QString& caption, Icon icon, int buttons,
                        int defaultButton) = 0;
    // Message box with buttons named in a "|" list; returns the position pressed, from 1.
    virtual int message(const QString& text, const QString& caption, Icon icon,
                        const QString& buttonNames, int defaultButton) = 0;

    // Empty when cancelled. Filters are name|pattern pairs: "JPEG|*.jpg|GIF|*.gif".
    virtual QString fileDialog(const QString& title, const QString& filters, const QString& start,
                               bool save) = 0;
    virtual QString directoryDialog(const QString& title, const QString& start) = 0;
    virtual bool colourDialog(const QString& title, Colour& colour) = 0;
    virtual bool fontDialog(const QString& title, FontChoice& font) = 0;
    // Items separated by "|", "-" a separator, "~" before an item disables it; returns the
    // number of the chosen item counting items only (separators do not count), 0 for none.
    virtual int popupMenu(const QString& items) = 0;
    // The platform's print dialog on `printer` (where printing to a PDF file is one of the
    // printers); false when cancelled.
    virtual bool printDialog(const QString& title, QPrinter& printer) = 0;

    // Today's standard day number and the time of day as a standard time value.
    virtual qint32 today() = 0;
    virtual qint32 clock() = 0;

    // Ends the program after a fatal message. The Qt host does not return; the scripted
    // host records the ending and throws so that a test sees it.
    virtual void endProgram(int exitCode, const QString& text) = 0;

    // Current directory, in host form.
    virtual QString currentDirectory() = 0;
    virtual bool setCurrentDirectory(const QString& path) = 0;
    // Host folder a drive root "A:\" .. "L:\" stands for; empty when not mapped.
    virtual QString driveFolder(QChar letter) = 0;
    virtual void setDriveFolder(QChar letter, const QString& folder) = 0;
    // A stored media path ("D:\TOOLS\SETUP.EXE") in host form; empty when the drive
    // is not mapped.
    virtual QString hostPath(const QString& mediaPath) = 0;
    // Entries of a directory matching a pattern ("*.*") with any attribute in `mask`
    // (ordinary files always match).
    virtual std::vector<DirEntry> listDirectory(const QString& hostDirectory,
                                                const QString& pattern, int mask) = 0;
    virtual bool copyFile(const QString& from, const QString& to, QString* error) = 0;
    virtual bool makeDirectory(const QString& path) = 0;

    // The shell's "open" of a document, program or web address. Web addresses are opened
    // only as http, https or mailto addresses; anything else with a scheme is refused.
    virtual bool shellOpen(const QString& target) = 0;
    // Starts a program of this computer, named by a media or host path, in its own
    // directory and without a shell: 0 when it started; 2 when there is no such file; 15
    // when its drive is not ready; any other number with the host's text in `error`.
    virtual int execute(const QString& program, QString* error) = 0;
    // Hands a mail to the desktop's mail client; a MailResult.
    virtual int composeMail(const MailMessage& mail) = 0;
    // The address book: the user picks recipients among `book`. `recipients` holds the
    // addresses picked before and, on MailSuccess, those picked now (in the book's order).
    // MailUserAbort when the user cancelled.
    virtual int addressBook(const QString& caption, const std::vector<AddressEntry>& book,
                            QStringList& recipients) = 0;
    // The project's help text opened at a keyword.
    virtual void showHelp(const QString& keyword) = 0;
};
