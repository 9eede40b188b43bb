#pragma once

#include "framework/FileManager.h"
#include "framework/RelationGuard.h"
#include "framework/store/RecordStore.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowController.h"

#include <memory>

// A small data file of notes with an auto-numbered key, and its form, for the tests of
// the form logic.
inline const FileDef& noteDef() {
    static const FileDef def = [] {
        FileDef d;
        d.label = QStringLiteral("Note");
        d.prefix = QStringLiteral("NOT");
        d.diskName = QStringLiteral("Note.tps");
        d.fields = {{QStringLiteral("NOT:Nr"), FieldType::U32, 4, 0},
                    {QStringLiteral("NOT:Name"), FieldType::Text, 20, 0},
                    {QStringLiteral("NOT:Count"), FieldType::U16, 2, 0}};
        KeyDef key;
        key.label = QStringLiteral("NOT:KeyNr");
        key.parts = {{0, false}};
        key.unique = true;
        key.autoNumber = true;
        d.keys = {key};
        return d;
    }();
    return def;
}

struct NoteRecord : RecordBuffer {
    quint32 Nr = 0;
    Text Name{20};
    quint16 Count = 0;
    NoteRecord() : RecordBuffer(noteDef()) {
        bind(Nr);
        bind(Name);
        bind(Count);
    }
};

enum NoteControl { NameEntry = 1, CountEntry = 2, OkButton = 10, CancelButton = 11 };

// A file manager whose record check can be told to refuse every record.
struct NoteManager : FileManager {
    bool refuse = false;
    int ValidateField(int) override { return refuse ? LevelNotify : LevelBenign; }
};

struct NoteFile {
    NoteFile(const QString& directory, ErrorManager& errors)
        : store(store::RecordStore::openSqlCipher(directory)) {
        manager.Init(store->declare(noteDef()), record, errors);
        manager.AddKey(QStringLiteral("NOT:KeyNr"), 1, true);
        guard.Init(manager, true, *store);
        // Kept open, as by the browse that calls the form.
        manager.Open();
        manager.UseFile();
    }
    ~NoteFile() {
        manager.Close();
        guard.Kill();
        manager.Kill();
    }
    qint64 records() { return manager.File->records(); }

    std::unique_ptr<store::RecordStore> store;
    NoteRecord record;
    NoteManager manager;
    RelationGuard guard;
};

// What a form left behind when it ended.
struct Outcome {
    bool opened = false;
    bool ended = false;
    int response = 0;
};

class NoteForm : public WindowController {
public:
    NoteForm(NoteFile& file, Outcome& outcome, std::vector<FieldValue>& history)
        : WindowController(QStringLiteral("UpdateNote")), file_(file), outcome_(outcome),
          history_(history) {}

    int Init() override {
        if (const int level = WindowController::Init()) return level;
        C().entry(NameEntry, QStringLiteral("@s20")).use(Use(file_.record, 1));
        C().entry(CountEntry, QStringLiteral("@n5")).use(Use(file_.record, 2));
        C().button(OkButton, QStringLiteral("&OK")).defaultButton();
        C().button(CancelButton, QStringLiteral("&Cancel"));
        SetToolbar(toolbar_);
        HistoryKey = Keys::CtrlApostrophe;
        AddHistoryFile(file_.record, history_);
        AddHistoryField(NameEntry, 1);
        AddButton(CancelButton, RequestCancelled);
        file_.guard.Open();
        Primary = &file_.guard;
        OKControl = OkButton;
        FirstField = NameEntry;
        return Open();
    }
    int Kill() override {
        const int level = WindowController::Kill();
        file_.guard.Close();
        outcome_.opened = Opened;
        outcome_.ended = true;
        outcome_.response = Response == NoResponse ? RequestCancelled : Response;
        return level;
    }

private:
    NoteFile& file_;
    Outcome& outcome_;
    std::vector<FieldValue>& history_;
    ToolbarDispatcher toolbar_;
};
