#pragma once

#include "framework/host/FileSystemHost.h"

#include <deque>
#include <optional>
#include <stdexcept>

// Thrown by ScriptedHost::endProgram so that a test sees a fatal ending instead of losing
// its process. Only the scripted host throws it.
struct ProgramEnded : std::runtime_error {
    ProgramEnded(int code, const QString& text)
        : std::runtime_error(text.toStdString()), exitCode(code), endText(text) {}
    int exitCode;
    QString endText;
};

// The host for tests: records every message box and dialog, answers from a script, and
// keeps a fixed clock. Without a scripted answer a box presses its default button (OK
// when it has none) and a dialog presses OK on what it was given (the start name, the
// start colour, the font); a popup menu chooses nothing.
class ScriptedHost : public FileSystemHost {
public:
    struct ShownMessage {
        QString caption;
        QString text;
        Icon icon = Icon::None;
        int buttons = 0;     // bit set; 0 for a box with named buttons
        QString buttonNames; // "&Yes|&No" for a box with named buttons
        int defaultButton = 0;
        int answer = 0; // bit or position of the button pressed
    };
    enum class DialogKind { File, Directory, Colour, Font, Popup, Print, AddressBook };
    struct ShownDialog {
        DialogKind kind;
        QString title;  // popup menu: empty
        QString detail; // file dialog: filters; popup: the items; address book: the entries
                        // as "name <address>", one a line
        QString start;  // file and directory dialog: the start name; address book: the
                        // recipients picked before, "," separated
        bool save = false;
        bool confirmed = false;
        QString answer; // chosen name, or the number of the chosen popup item
    };

    ScriptedHost();

    // The script, answered in order per kind of question.
    void answer(int button); // next message box: a button bit, or a position for named ones
    void answerFile(const QString& name);      // empty: cancelled
    void answerDirectory(const QString& name); // empty: cancelled
    void answerColour(Colour colour);
    void cancelColour();
    void answerFont(const FontChoice& font);
    void cancelFont();
    void answerPopup(int item); // 0: nothing chosen
    void answerPrint(bool ok);  // the print dialog: OK on the printer as it was set, or Cancel
    // The addresses picked in the next address book; failAddressBook answers with a result
    // other than success (MailUserAbort for a cancel).
    void answerAddressBook(const QStringList& picked);
    void failAddressBook(int result);
    // Answers not yet used; a test can check that its script was consumed.
    int pendingAnswers() const;

    // The clock. Starts at 8 December 2026, 10:30:00.
    void setToday(qint32 dayNumber) { today_ = dayNumber; }
    void setClock(qint32 timeValue) { clock_ = timeValue; }
    void setNow(const QDate& date, const QTime& time);

    void setShellOpenResult(bool ok) { shellResult_ = ok; }
    // Programs that execute finds are started only here: recorded, and answered by the
    // reason given (empty: started).
    void setStartFailure(const QString& reason) { startFailure_ = reason; }
    const QStringList& programsStarted() const { return started_; }
    // What the next handed-over mails come to (MailSuccess unless set).
    void setMailResult(int result) { mailResult_ = result; }

    // What was shown and done, oldest first.
    const std::vector<ShownMessage>& messages() const { return messages_; }
    const ShownMessage* lastMessage() const;
    const std::vector<ShownDialog>& dialogs() const { return dialogs_; }
    const QStringList& shellOpened() const { return shellOpened_; }
    const std::vector<MailMessage>& mails() const { return mails_; }
    const QStringList& helpKeywords() const { return helpKeywords_; }
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }
    QString endText() const { return endText_; }
    void clearRecords();

    int message(const QString& text, const QString& caption, Icon icon, int buttons,
                int defaultButton) override;
    int message(const QString& text, const QString& caption, Icon icon, const QString& buttonNames,
                int defaultButton) override;
    QString fileDialog(const QString& title, const QString& filters, const QString& start,
                       bool save) override;
    QString directoryDialog(const QString& title, const QString& start) override;
    bool colourDialog(const QString& title, Colour& colour) override;
    bool fontDialog(const QString& title, FontChoice& font) override;
    int popupMenu(const QString& items) override;
    bool printDialog(const QString& title, QPrinter& printer) override;
    qint32 today() override { return today_; }
    qint32 clock() override { return clock_; }
    // Records the ending and throws ProgramEnded.
    void endProgram(int exitCode, const QString& text) override;
    bool shellOpen(const QString& target) override;
    int composeMail(const MailMessage& mail) override;
    int addressBook(const QString& caption, const std::vector<AddressEntry>& book,
                    QStringList& recipients) override;
    void showHelp(const QString& keyword) override;

protected:
    bool startProgram(const QString& hostFile, QString* error) override;

private:
    template <typename T> static std::optional<T> take(std::deque<T>& queue);

    std::deque<int> buttons_;
    std::deque<QString> files_, directories_;
    std::deque<std::optional<Colour>> colours_;
    std::deque<std::optional<FontChoice>> fonts_;
    std::deque<int> popups_;
    std::deque<bool> prints_;
    std::deque<std::pair<int, QStringList>> addressBooks_;
    qint32 today_, clock_;
    bool shellResult_ = true;
    int mailResult_ = MailSuccess;

    std::vector<ShownMessage> messages_;
    std::vector<ShownDialog> dialogs_;
    QStringList shellOpened_, helpKeywords_, started_;
    QString startFailure_;
    std::vector<MailMessage> mails_;
    bool ended_ = false;
    int exitCode_ = 0;
    QString endText_;
};
