#pragma once

#include "archive/MediaFiles.h"
#include "archive/UpdateArchiefRules.h"
#include "framework/Text.h"
#include "framework/window/WindowController.h"

#include <vector>

// The window of the archive record form (UpdateArchief.h). The preparations for each kind
// are in UpdateArchiefPrepare.cpp, the choice of a file and what follows from it in
// UpdateArchiefFile.cpp.
class UpdateArchiefWindow : public WindowController {
public:
    enum Control {
        GeneralTab = 1,
        CdNrPrompt,
        CdNrEntry,
        DiskNrPrompt,
        DiskNrEntry,
        DriveLabel,
        DriveList,
        NamePrompt,
        NameEntry,
        FileNamePrompt,
        ClassLabel,
        FileNameEntry,
        FileLabel,
        PickDateButton,
        VersionLabel,
        VersionList,
        ClassList,
        SizeLabel,
        SizeSpin,
        DateLabel,
        DateSpin,
        ChooseFileButton,
        TimeLabel,
        TimeEntry,
        RegistrationPrompt,
        RegistrationEntry,
        RemarksPrompt,
        RemarksEntry,
        ProducerPrompt,
        ProducerEntry,
        WebsitePrompt,
        WebsiteEntry,
        SupportPrompt,
        SupportEntry,
        PhonePrompt,
        PhoneEntry,
        DescriptionTab,
        DescriptionBox,
        RunButton,
        OkButton,
        CancelButton,
        HelpButton,
        Sheet = 50,
    };
    static constexpr const char* HelpKeyword = "Update Archive";

    UpdateArchiefWindow(quint8 kindA, quint8 kindB, quint32 recordNumber);

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeCompleted() override;
    int TakeNewSelection() override;

    UpdateArchiefRules::Kind Kind() const { return kind_; }
    quint16 NewCdNr() const { return newCd_; }
    quint32 NewDiskNr() const { return newDisk_; }
    int RunMode() const { return runMode_; }
    const QString& RunPath() const { return runPath_; }

private:
    using Kinds = UpdateArchiefRules::Kind;

    // Building and opening (UpdateArchief.cpp).
    void build();
    void buildGeneral();
    void addHistory();
    bool loadRecord();
    void fillDrives();
    void fillClasses();
    void afterOpening();
    void showProducer();
    void clearProducerDetails();
    void lookupProducer();
    void pickDate();

    // Preparations (UpdateArchiefPrepare.cpp).
    void prepareNewMedium();
    void takeDrive();
    void numberCd();
    void numberDisk();
    void prepareInclude();
    void prepareChange();
    void selectDriveRow(int row);
    void showDriveKind();
    // Clears the entry but keeps its record number, reserved for this form's insert.
    void clearEntry();

    // The file (UpdateArchiefFile.cpp).
    void chooseFile();
    void rereadFile();
    void takeFile(const QString& hostFile);
    bool driveReady(const QString& root);
    bool readEntry(const QString& path, MediaFiles::Entry& entry);
    void checkAndFill(const QString& root, const QString& rest, const MediaFiles::Entry& entry);
    void reloadDescription(const QString& path);
    void replaceOnDelete(const QString& root, const QString& rest, const QString& path);
    void setupRun();
    void showRunForTab();
    void tell(const QString& text, const QString& caption = QStringLiteral("Wareloft"));

    quint32 recordNumber_;
    Kinds kind_;
    Text website_{40};
    Text support_{50};
    Text phone_{30};
    quint16 newCd_ = 0;
    quint32 newDisk_ = 0;
    QString runPath_;
    bool runLocal_ = false;
    int runMode_ = 0;
    QString rememberedCd_, rememberedFd_;
    std::vector<FieldValue> asOpened_;
    bool started_ = false;
    bool counted_ = false;
};
