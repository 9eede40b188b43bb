#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The drive configuration without its window: which of the letters A to L are drives, the
// kind of medium each reads, and the host folder each stands for. Kept in the file Drv
// (one record per drive), in DriveQueue while a drive is in use, and the folders with the
// host.
namespace DriveSetup {

constexpr int Letters = 12; // A to L

struct Letter {
    bool ticked = false;
    QString kind; // a choice of kindChoices(): "Zip", not the stored "ZIP"
    QString folder;
};
using Configuration = std::array<Letter, Letters>;

QChar letter(int index);
// "A:\" and so on.
QString root(int index);
// The choices of a drive's kind list, the empty one first.
QStringList kindChoices();
// The choice that shows a stored kind: "ZIP" shows as "Zip"; an unknown kind shows none.
QString choiceOf(const QString& storedKind);
// The text stored for a choice.
QString storedKind(const QString& choice);

// The ticked letters whose folder is given but is not a folder on this computer (missing,
// or a file): such a drive can be kept, but it is not ready.
std::vector<int> notReady(const Configuration& configuration);

// Every Drv record, in file order, ticks its letter and is added to DriveQueue; the
// folders come from the host.
Configuration load();

// Empties DriveQueue and visits the letters from A to L: a ticked letter is added to Drv
// or rewritten there, appended to DriveQueue and its folder given to the host; an unticked
// one loses its record and its folder. Stops at a ticked letter without a kind, the
// letters before it already stored, and answers its index; -1 when all were stored.
int store(const Configuration& configuration);

} // namespace DriveSetup
