#pragma once

class QPrinter;
class QWidget;

// The printer chosen in the frame's "P&rint Setup", kept for the program's run.
namespace PrinterSetup {

QPrinter& printer();
// The platform's printer set-up dialog on that printer; false when cancelled.
bool ask(QWidget* parent);

} // namespace PrinterSetup
