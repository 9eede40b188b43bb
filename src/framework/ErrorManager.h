#pragma once

#include "framework/store/RecordStore.h"

#include <QByteArray>
#include <QString>
#include <mutex>
#include <vector>

// Result and message levels.
enum Level : int {
    LevelBenign = 0,
    LevelUser = 1,
    LevelProgram = 2,
    LevelFatal = 3,
    LevelCancel = 4,
    LevelNotify = 5,
};

// Ids of the framework's messages.
enum Msg : int {
    MsgRetrievalError = 1,
    MsgAccessDenied = 2,
    MsgRecordAdded = 3,
    MsgInsertError = 4,
    MsgAddNewRecord = 5,
    MsgNotUpdated = 6,
    MsgNotUpdatedForm = 7,
    MsgChangesLost = 8,
    MsgConfirmDelete = 9,
    MsgCreationError = 10,
    MsgNotDeleted = 11,
    MsgCannotDelete = 12,
    MsgDuplicateKey = 13,
    MsgFieldContents = 14,
    MsgValueError = 15,
    MsgRangeBetween = 16,
    MsgRangeLower = 17,
    MsgRangeHigher = 18,
    MsgFileLoadError = 19,
    MsgCannotInsert = 20,
    MsgTransactionCancelled = 21,
    MsgNoRecords = 22,
    MsgAccessError = 23,
    MsgProcedureUndefined = 24,
    MsgUpdateFailed = 25,
    MsgKeyNotBuilt = 26,
    MsgInvalidKey = 27,
    MsgRecordNotRead = 28,
    MsgRiDeleteError = 30,
    MsgRiUpdateError = 31,
    MsgAutoIncError = 32,
    MsgDeleteError = 33,
    MsgUpdateError = 34,
    MsgSaveRecord = 35,
    MsgBeginningOfFile = 36,
    MsgEndOfFile = 37,
    MsgCannotUpdate = 38,
    MsgUsageError = 39,
    MsgViewOpenError = 40,
    MsgUnsupportedQbe = 41,
};

// The framework's message table and message display. One object serves the whole program.
class ErrorManager {
public:
    struct Entry {
        int Id = 0;
        QString Message;
        QString Title;
        int Fatality = 0;
    };

    ErrorManager();
    virtual ~ErrorManager();

    void Init();
    void Kill();

    // Appends the entries of a table: a 16-bit count, then per entry a 16-bit id, a level
    // byte, and the title and the text each as a length byte and that many characters.
    void AddErrors(const QByteArray& table);
    static QByteArray DefaultTable();

    // Keeps the details of a failure for the placeholders.
    void SetErrors(const store::Status& status);
    void SetFile(const QString& name);
    void SetField(const QString& name);
    void SetProcedureName(const QString& name, bool remove = false);
    QString GetProcedureName() const;

    int Throw(int id);
    int ThrowMessage(int id, const QString& text);
    int Raise(int id);
    // Shows a message with the given buttons (bit set) and returns the button pressed.
    int Message(int id, int buttons, int defaultButton);

    // The message text of an id with its placeholders filled.
    QString SubsString(int id) const;
    const Entry* Find(int id) const;

    // Details kept for the placeholders.
    QString FileName, FieldName, MessageText;
    qint64 SaveErrorCode = 0;
    QString SaveError, SaveFileErrorCode, SaveFileError;

protected:
    virtual int HandleBenign(const Entry& e);
    virtual int HandleFatal(const Entry& e);
    virtual int HandleNotify(const Entry& e);
    virtual int HandleOther(const Entry& e);
    virtual int HandleProgram(const Entry& e);
    virtual int HandleUser(const Entry& e);

private:
    const Entry* findOlder(int id, const Entry* newer) const;
    QString fill(const QString& text, const Entry* entry) const;

    struct ProcName {
        int Thread;
        QString Name;
    };
    std::vector<Entry> Errors;
    std::vector<ProcName> ProcNames;
    mutable std::recursive_mutex lock_;
};
