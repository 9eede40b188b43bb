#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"
#include "scan/ScanOptions.h"

// The dialog "Scan/Import Configuration" (see ScanOptions.h).
class ScanOptionsWindow : public WindowController {
public:
    enum Control {
        MediumGroup = 1,
        CdRadio,
        DiskRadio,
        PropertiesGroup,
        DrivePrompt,
        DriveList,
        DriveKind,
        NamePrompt,
        NameEntry,
        ClassPrompt,
        ClassCombo,
        ProducerPrompt,
        ProducerCombo,
        ScanForGroup,
        ExeComRadio,
        ZipRadio,
        OtherRadio,
        AllRadio,
        TextCheck,
        ExtensionPrompt,
        ExtensionEntry,
        ScanButton,
        CancelButton,
        HelpButton,
    };
    static constexpr const char* HelpKeyword = "Scan options";

    explicit ScanOptionsWindow(ScanParameters& parameters);

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;

private:
    void build();
    void restoreChoices();
    // The selected row of DriveQueue sets the kind, the medium and the name.
    void applyDrive();
    void chooseCd();
    void chooseDisk();
    void showScanFor();
    void scan();
    void writeBack(int code, const QString& otherPattern, int files);
    int driveRow() const;
    void selectDriveRow(int row);

    ScanParameters& parameters_;
    quint8 medium_ = 1;
    Text kind_{6};
    Text name_{35};
    quint8 scanFor_ = 1;
    quint8 textFlag_ = 1;
    Text extension_{5};
    Text drive_{3}; // GLO:DRIVE of the selected row
};
