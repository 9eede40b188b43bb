#include "framework/browse/Locators.h"

std::optional<QString>
StepLocator::TakeCharacter(QChar c, const std::function<std::optional<QString>()>& moveDown) {
    const QString typed(c);
    // Repeating a letter walks through the rows that begin with it.
    if (const std::optional<QString> current = moveDown())
        if (current->startsWith(typed, NoCase ? Qt::CaseInsensitive : Qt::CaseSensitive))
            return std::nullopt;
    return typed;
}

std::optional<QString>
IncrementalLocator::TakeCharacter(QChar c, const std::function<std::optional<QString>()>&) {
    if (Shadow.size() >= ShadowLength) return std::nullopt;
    Shadow += NoCase ? c.toUpper() : c;
    return Shadow;
}

std::optional<QString> IncrementalLocator::TakeBackspace() {
    if (Shadow.isEmpty()) return std::nullopt;
    Shadow.chop(1);
    return Shadow;
}
