#pragma once

#include <QString>

// What the users window and the password window check before a user record is written.
namespace Users {

// The users in the users file; 0 when it cannot be read.
qint64 count();

// Whether the stored user `idnr` is the only one of level 3: deleting him, or giving him a
// lower level, would leave nobody who can reach the users window again.
bool isLastAdministrator(quint16 idnr);

// Why a password cannot be stored (empty or only blanks); empty when it can.
QString passwordProblem(const QString& password);

} // namespace Users
