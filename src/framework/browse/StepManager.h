#pragma once

#include "framework/RecordBuffer.h"

#include <QString>
#include <vector>

// Maps the values of a list's free key component to the thumb's position (0 to 99) and
// back, between the first and the last value of the view.
class StepManager {
public:
    // Controls: which characters a text key is stepped through, and the key's direction.
    enum : int { AllowAlpha = 1, AllowAlt = 2, AllowNumeric = 4, Descending = 16 };

    virtual ~StepManager() = default;
    // The first and the last value of the view's free component.
    virtual void SetLimits(const FieldValue& first, const FieldValue& last) = 0;
    virtual int GetPercentile(const FieldValue& value) const = 0;
    virtual FieldValue GetValue(int percentile) const = 0;

    int Controls = AllowAlpha;
};

// Text keys by a table of 100 four-character steps after the common beginning of the first
// and the last value (look-up mode 3).
class StepStringManager : public StepManager {
public:
    static constexpr int TestLen = 4;

    // `controls`: AllowAlpha letters, AllowNumeric digits, AllowAlt punctuation, and
    // Descending for a key that sorts from high to low.
    void Init(int controls, int lookupMode = 3);
    void SetLimits(const FieldValue& first, const FieldValue& last) override;
    int GetPercentile(const FieldValue& value) const override;
    FieldValue GetValue(int percentile) const override;

    int LookupMode = 3;
    QString SortChars;
    QString Root; // up to 40 characters
    std::vector<QString> Table;

private:
    qint64 worth(const QString& fourChars) const;
    QString text(qint64 worth) const;
    qint64 worthAfterRoot(const QString& value, QChar pad) const;
};

// Numbers (and day numbers) linearly between the first and the last value.
class StepLongManager : public StepManager {
public:
    explicit StepLongManager(int controls = 0) { Controls = controls; }
    void SetLimits(const FieldValue& first, const FieldValue& last) override;
    int GetPercentile(const FieldValue& value) const override;
    FieldValue GetValue(int percentile) const override;

    qint64 Low = 0;
    qint64 High = 0;
};
