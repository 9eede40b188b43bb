#include "core/Users.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Installation.h"

namespace {

constexpr int AdministratorLevel = 3; // the level that reaches the users window

} // namespace

qint64 Users::count() {
    FileManager& users = Access::IDE();
    if (users.UseFile() != LevelBenign) return 0;
    return std::max<qint64>(0, users.File->records());
}

// Read through a cursor of its own, so that the file's own reads and the IDE buffer, which
// hold the form's record, stay as they are.
bool Users::isLastAdministrator(quint16 idnr) {
    FileManager& users = Access::IDE();
    if (users.UseFile() != LevelBenign) return false;
    std::unique_ptr<store::Cursor> cursor = users.File->cursor();
    IdeRecord user;
    cursor->setOrder(0);
    bool isAdministrator = false;
    while (cursor->next(user) == store::Ok) {
        if (user.LEVEL != AdministratorLevel) continue;
        if (user.IDNR != idnr) return false;
        isAdministrator = true;
    }
    return isAdministrator;
}

QString Users::passwordProblem(const QString& password) {
    if (Installation::passwordProblem(password).isEmpty()) return {};
    return QStringLiteral("A password may not be empty or only blanks. Type a password.");
}
