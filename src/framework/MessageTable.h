#pragma once

#include "framework/ErrorManager.h"

#include <QByteArray>
#include <vector>

// The byte form of a message table, as ErrorManager::AddErrors reads it: a 16-bit count,
// then per entry a 16-bit id, a level byte, and the title and the text each as a length
// byte and that many bytes. Numbers are little-endian. Titles and texts are UTF-8 and the
// length byte counts bytes, so any text survives; a text longer than 255 bytes is cut at
// the last whole character that fits.
namespace MessageTable {

QByteArray encode(const std::vector<ErrorManager::Entry>& entries);

// Appends the entries of `table` to `into`. A truncated table yields the entries that are
// complete.
void decode(const QByteArray& table, std::vector<ErrorManager::Entry>& into);

} // namespace MessageTable
