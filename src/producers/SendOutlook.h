#pragma once

#include <QString>

// The window "Send Message": writes a mail to a producer's support address, a general
// question or a support request about one archived program, and hands it to the desktop's
// mail client. Runs modally and returns when it closes. The caller checks the address.
//   producer      the producer's name, shown in the title
//   to            the support address
//   registration  the program's registration number; empty or "None" when there is none
//   program       the program's file name; empty for a general question
void SendOutlook(const QString& producer, const QString& to, const QString& registration,
                 const QString& program);
