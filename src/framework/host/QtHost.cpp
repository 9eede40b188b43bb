#include "framework/host/QtHost.h"

#include "framework/host/FileDialogFilter.h"
#include "framework/host/HelpViewer.h"
#include "framework/host/HostColour.h"
#include "framework/host/MessageButtons.h"
#include "framework/host/Modality.h"
#include "framework/host/PopupMenuText.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Hand:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void addItems(QMenu& menu, const std::vector<PopupItem>& items) {
    for (const PopupItem& item : items) {
        switch (item.kind) {
        case PopupItem::Separator:
            menu.addSeparator();
            break;
        case PopupItem::Submenu: {
            QMenu* sub = menu.addMenu(item.text);
            sub->setEnabled(item.enabled);
            addItems(*sub, item.children);
            break;
        }
        case PopupItem::Command: {
            QAction* action = menu.addAction(item.text);
            action->setEnabled(item.enabled);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            action->setData(item.number);
            break;
        }
        }
    }
}

} // namespace

QWidget* QtHost::dialogParent() {
    return Modality::owner();
}

int QtHost::message(const QString& text, const QString& caption, Icon icon, int buttons,
                    int defaultButton) {
    return showMessage(text, caption, icon, buttonsFromBits(buttons, defaultButton));
}

int QtHost::message(const QString& text, const QString& caption, Icon icon,
                    const QString& buttonNames, int defaultButton) {
    return showMessage(text, caption, icon, buttonsFromNames(buttonNames, defaultButton));
}

int QtHost::showMessage(const QString& text, const QString& caption, Icon icon,
                        const MessageButtons& buttons) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(caption.isEmpty() ? QApplication::applicationDisplayName() : caption);
    box.setIcon(boxIcon(icon));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    std::vector<QPushButton*> pushed;
    for (const MessageButton& b : buttons.buttons)
        pushed.push_back(box.addButton(b.label, QMessageBox::ActionRole));
    box.setDefaultButton(pushed[size_t(buttons.defaultIndex)]);
    // Escape and the close box press the button that stands for "cancel", or a hidden one
    // that answers 0.
    QPushButton* escape = nullptr;
    for (size_t i = 0; i < pushed.size(); ++i) {
        if (buttons.buttons[i].result == buttons.escapeResult) escape = pushed[i];
    }
    if (!escape) {
        escape = box.addButton(QMessageBox::Cancel);
        escape->hide();
    }
    box.setEscapeButton(escape);
    Modality::toOwner(box);
    box.exec();
    for (size_t i = 0; i < pushed.size(); ++i) {
        if (box.clickedButton() == pushed[i]) return buttons.buttons[i].result;
    }
    return 0;
}

QString QtHost::fileDialog(const QString& title, const QString& filters, const QString& start,
                           bool save) {
    QFileDialog dialog(dialogParent(), title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList nameFilters = qtNameFilters(filters);
    if (!nameFilters.isEmpty()) dialog.setNameFilters(nameFilters);
    const QString startPath = start.trimmed().isEmpty() ? QString() : hostPath(start.trimmed());
    const QFileInfo startAt(QDir(currentDirectory()),
                            startPath.isEmpty() ? QStringLiteral(".") : startPath);
    dialog.setDirectory(startAt.isDir() ? startAt.absoluteFilePath() : startAt.absolutePath());
    if (!startPath.isEmpty() && !startAt.isDir()) dialog.selectFile(startAt.fileName());
    Modality::toOwner(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString QtHost::directoryDialog(const QString& title, const QString& start) {
    const QString from = start.isEmpty() ? currentDirectory() : hostPath(start);
    QFileDialog dialog(dialogParent(), title, from);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    Modality::toOwner(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return path.endsWith(QDir::separator()) ? path : path + QDir::separator();
}

bool QtHost::colourDialog(const QString& title, Colour& colour) {
    QColorDialog dialog(toQColor(colour), dialogParent());
    dialog.setWindowTitle(title);
    Modality::toOwner(dialog);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) return false;
    colour = fromQColor(dialog.selectedColor());
    return true;
}

bool QtHost::fontDialog(const QString& title, FontChoice& font) {
    QFontDialog dialog(toQFont(font), dialogParent());
    dialog.setWindowTitle(title);
    Modality::toOwner(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    fromQFont(dialog.selectedFont(), font);
    return true;
}

int QtHost::popupMenu(const QString& items) {
    QMenu menu(dialogParent());
    addItems(menu, parsePopupMenu(items));
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen ? chosen->data().toInt() : 0;
}

bool QtHost::printDialog(const QString& title, QPrinter& printer) {
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(title);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

void QtHost::showHelp(const QString& keyword) {
    HelpViewer::open(keyword);
}
