// The Qt host's address book: a window listing the entries it is given, each with a tick.
#include "framework/host/QtHost.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QString entryText(const AddressEntry& entry) {
    const QString name = entry.name.trimmed();
    return name.isEmpty() ? entry.address : name + QStringLiteral("  <") + entry.address + u'>';
}

// Shows only the entries whose name or address holds the text typed.
void filter(QListWidget& list, const QString& typed) {
    for (int i = 0; i < list.count(); ++i) {
        QListWidgetItem* item = list.item(i);
        item->setHidden(!item->text().contains(typed.trimmed(), Qt::CaseInsensitive));
    }
}

} // namespace

int QtHost::addressBook(const QString& caption, const std::vector<AddressEntry>& book,
                        QStringList& recipients) {
    QDialog dialog(dialogParent());
    dialog.setObjectName(QStringLiteral("AddressBook"));
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* find = new QLineEdit(&dialog);
    find->setObjectName(QStringLiteral("addressFind"));
    find->setPlaceholderText(QStringLiteral("Find a name or address"));
    find->setClearButtonEnabled(true);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("addressList"));
    for (const AddressEntry& entry : book) {
        auto* item = new QListWidgetItem(entryText(entry), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(
            recipients.contains(entry.address, Qt::CaseInsensitive) ? Qt::Checked : Qt::Unchecked);
    }
    QObject::connect(find, &QLineEdit::textChanged, list,
                     [list](const QString& typed) { filter(*list, typed); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(new QLabel(book.empty() ? QStringLiteral("No addresses to choose from.")
                                              : QStringLiteral("Tick the recipients:"),
                                 &dialog));
    layout->addWidget(find);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(460, 360);
    if (dialog.exec() != QDialog::Accepted) return MailUserAbort;
    recipients.clear();
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked) recipients << book[size_t(i)].address;
    return MailSuccess;
}
