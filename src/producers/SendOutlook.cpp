#include "producers/SendOutlook.h"

#include "producers/SendOutlookWindow.h"

void SendOutlook(const QString& producer, const QString& to, const QString& registration,
                 const QString& program) {
    SendOutlookWindow window(producer, to, registration, program);
    window.Run();
}
