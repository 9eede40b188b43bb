#pragma once

#include <QString>
#include <functional>
#include <optional>

// What a key typed in a list does to the list's free key component. The browse carries it
// out: it moves the list, or refills it from the first record at or after the value.
class Locator {
public:
    virtual ~Locator() = default;
    // A character typed in the list; the value to look for, or nothing when the list
    // needs no refill. `moveDown` moves the list one row down and gives the text of the
    // free component of the new current row (nothing when the list is empty).
    virtual std::optional<QString>
    TakeCharacter(QChar c, const std::function<std::optional<QString>()>& moveDown) = 0;
    // Backspace; the value to look for, or nothing.
    virtual std::optional<QString> TakeBackspace() { return std::nullopt; }
    // The list was scrolled: what was typed is forgotten.
    virtual void Reset() {}
    // The text typed so far.
    virtual QString Typed() const { return {}; }

    int Control = 0;      // an entry of its own; 0 for the locators of this system
    int FreeElement = -1; // the field it positions
    bool NoCase = true;
};

// One character: the next row beginning with it, or the first record from it on.
class StepLocator : public Locator {
public:
    std::optional<QString>
    TakeCharacter(QChar c, const std::function<std::optional<QString>()>& moveDown) override;
};

// The characters typed so far (up to 40), looked for from the first record at or after them.
class IncrementalLocator : public Locator {
public:
    static constexpr int ShadowLength = 40;
    std::optional<QString>
    TakeCharacter(QChar c, const std::function<std::optional<QString>()>& moveDown) override;
    std::optional<QString> TakeBackspace() override;
    void Reset() override { Shadow.clear(); }
    QString Typed() const override { return Shadow; }

    QString Shadow;
};
