#include "core/PrinterSetup.h"

#include "framework/host/Modality.h"
#include "framework/report/PrintService.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

QPrinter& PrinterSetup::printer() {
    return PrintService::Printer();
}

bool PrinterSetup::ask(QWidget* parent) {
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions({});
    // Nothing is printed here: the dialog only chooses.
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    Modality::toOwner(dialog);
    return dialog.exec() == QDialog::Accepted;
}
