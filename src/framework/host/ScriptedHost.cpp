#include "framework/host/ScriptedHost.h"

#include "framework/Pictures.h"

ScriptedHost::ScriptedHost()
    : today_(Pictures::dayNumber(QDate(2026, 12, 8))), clock_(Pictures::timeValue(QTime(10, 30))) {}

template <typename T> std::optional<T> ScriptedHost::take(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

void ScriptedHost::answer(int button) {
    buttons_.push_back(button);
}
void ScriptedHost::answerPrint(bool ok) {
    prints_.push_back(ok);
}
void ScriptedHost::answerFile(const QString& name) {
    files_.push_back(name);
}
void ScriptedHost::answerDirectory(const QString& name) {
    directories_.push_back(name);
}
void ScriptedHost::answerColour(Colour colour) {
    colours_.push_back(colour);
}
void ScriptedHost::cancelColour() {
    colours_.push_back(std::nullopt);
}
void ScriptedHost::answerFont(const FontChoice& font) {
    fonts_.push_back(font);
}
void ScriptedHost::cancelFont() {
    fonts_.push_back(std::nullopt);
}
void ScriptedHost::answerPopup(int item) {
    popups_.push_back(item);
}
void ScriptedHost::answerAddressBook(const QStringList& picked) {
    addressBooks_.emplace_back(MailSuccess, picked);
}
void ScriptedHost::failAddressBook(int result) {
    addressBooks_.emplace_back(result, QStringList());
}

int ScriptedHost::pendingAnswers() const {
    return int(buttons_.size() + files_.size() + directories_.size() + colours_.size() +
               fonts_.size() + popups_.size() + prints_.size() + addressBooks_.size());
}

void ScriptedHost::setNow(const QDate& date, const QTime& time) {
    today_ = Pictures::dayNumber(date);
    clock_ = Pictures::timeValue(time);
}

const ScriptedHost::ShownMessage* ScriptedHost::lastMessage() const {
    return messages_.empty() ? nullptr : &messages_.back();
}

void ScriptedHost::clearRecords() {
    messages_.clear();
    dialogs_.clear();
    shellOpened_.clear();
    started_.clear();
    helpKeywords_.clear();
    mails_.clear();
    ended_ = false;
    exitCode_ = 0;
    endText_.clear();
}

int ScriptedHost::message(const QString& text, const QString& caption, Icon icon, int buttons,
                          int defaultButton) {
    int pressed = ButtonOk;
    if (auto scripted = take(buttons_)) {
        pressed = *scripted;
    } else if (defaultButton & buttons) {
        pressed = defaultButton;
    } else if (buttons != 0) {
        pressed = buttons & -buttons; // the first button of the box
    }
    messages_.push_back({caption, text, icon, buttons, {}, defaultButton, pressed});
    return pressed;
}

int ScriptedHost::message(const QString& text, const QString& caption, Icon icon,
                          const QString& buttonNames, int defaultButton) {
    const int pressed = take(buttons_).value_or(defaultButton > 0 ? defaultButton : 1);
    messages_.push_back({caption, text, icon, 0, buttonNames, defaultButton, pressed});
    return pressed;
}

QString ScriptedHost::fileDialog(const QString& title, const QString& filters, const QString& start,
                                 bool save) {
    const QString chosen = take(files_).value_or(start);
    dialogs_.push_back({DialogKind::File, title, filters, start, save, !chosen.isEmpty(), chosen});
    return chosen;
}

QString ScriptedHost::directoryDialog(const QString& title, const QString& start) {
    const QString chosen = take(directories_).value_or(start);
    dialogs_.push_back({DialogKind::Directory, title, {}, start, false, !chosen.isEmpty(), chosen});
    return chosen;
}

bool ScriptedHost::colourDialog(const QString& title, Colour& colour) {
    const std::optional<Colour> chosen = take(colours_).value_or(colour);
    const QString start = QString::number(colour);
    if (chosen) colour = *chosen;
    dialogs_.push_back(
        {DialogKind::Colour, title, {}, start, false, chosen.has_value(), QString::number(colour)});
    return chosen.has_value();
}

bool ScriptedHost::fontDialog(const QString& title, FontChoice& font) {
    const std::optional<FontChoice> chosen = take(fonts_).value_or(font);
    const QString start = font.family;
    if (chosen) font = *chosen;
    dialogs_.push_back(
        {DialogKind::Font, title, {}, start, false, chosen.has_value(), font.family});
    return chosen.has_value();
}

int ScriptedHost::popupMenu(const QString& items) {
    const int chosen = take(popups_).value_or(0);
    dialogs_.push_back(
        {DialogKind::Popup, {}, items, {}, false, chosen != 0, QString::number(chosen)});
    return chosen;
}

bool ScriptedHost::printDialog(const QString& title, QPrinter&) {
    const bool ok = take(prints_).value_or(true);
    dialogs_.push_back({DialogKind::Print, title, {}, {}, false, ok, {}});
    return ok;
}

void ScriptedHost::endProgram(int exitCode, const QString& text) {
    ended_ = true;
    exitCode_ = exitCode;
    endText_ = text;
    throw ProgramEnded(exitCode, text);
}

bool ScriptedHost::shellOpen(const QString& target) {
    shellOpened_.append(target);
    return shellResult_;
}

bool ScriptedHost::startProgram(const QString& hostFile, QString* error) {
    if (!startFailure_.isEmpty()) {
        if (error) *error = startFailure_;
        return false;
    }
    started_.append(hostFile);
    return true;
}

int ScriptedHost::composeMail(const MailMessage& mail) {
    mails_.push_back(mail);
    return mailResult_;
}

int ScriptedHost::addressBook(const QString& caption, const std::vector<AddressEntry>& book,
                              QStringList& recipients) {
    QStringList entries;
    for (const AddressEntry& e : book)
        entries << e.name + QStringLiteral(" <") + e.address + u'>';
    const auto [result, picked] =
        take(addressBooks_).value_or(std::make_pair(int(MailSuccess), recipients));
    dialogs_.push_back({DialogKind::AddressBook, caption, entries.join(u'\n'),
                        recipients.join(u','), false, result == MailSuccess, picked.join(u',')});
    if (result == MailSuccess) recipients = picked;
    return result;
}

void ScriptedHost::showHelp(const QString& keyword) {
    helpKeywords_.append(keyword);
}
