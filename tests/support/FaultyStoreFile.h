#pragma once

#include "framework/store/RecordStore.h"

#include <functional>

// A data file that passes everything to a real one, except where a test makes it fail or
// lets something happen in between: to see how the file manager copes.
class FaultyStoreFile : public store::StoreFile {
public:
    explicit FaultyStoreFile(store::StoreFile& real) : real_(real) {}

    // Runs before each add (another station may take the number meanwhile).
    std::function<void()> beforeAdd;
    // Runs before each put (a test may stop the process in the middle of a pass).
    std::function<void()> beforePut;
    // The put with this number (from 1) fails with a file-system error; 0 never.
    int failPut = 0;
    int puts = 0;
    // The same for erase.
    int failErase = 0;
    int erases = 0;
    // Every add fails as on a full disk while set; adds counts the attempts.
    bool diskFull = false;
    int adds = 0;

    const store::Status& status() const override { return failed_ ? fault_ : real_.status(); }
    const FileDef& def() const override { return real_.def(); }
    QString path() const override { return real_.path(); }
    int open(int mode) override { return pass(real_.open(mode)); }
    int create() override { return pass(real_.create()); }
    int close() override { return pass(real_.close()); }
    bool isOpen() const override { return real_.isOpen(); }
    bool isReadOnly() const override { return real_.isReadOnly(); }
    int buildKeys() override { return pass(real_.buildKeys()); }
    int sendOption(const QString& o) override { return pass(real_.sendOption(o)); }
    qint64 records() override { return real_.records(); }
    qint64 bytes() override { return real_.bytes(); }
    std::unique_ptr<store::Cursor> cursor() override { return real_.cursor(); }
    int setOrder(int key) override { return pass(real_.setOrder(key)); }
    int setOrderAt(int key, const RecordBuffer& from) override {
        return pass(real_.setOrderAt(key, from));
    }
    int setOrderAtPosition(const QByteArray& p) override {
        return pass(real_.setOrderAtPosition(p));
    }
    int next(RecordBuffer& into) override { return pass(real_.next(into)); }
    int previous(RecordBuffer& into) override { return pass(real_.previous(into)); }
    void setSkipMemos(bool skip) override { real_.setSkipMemos(skip); }
    int get(int key, RecordBuffer& b) override { return pass(real_.get(key, b)); }
    int reget(const QByteArray& p, RecordBuffer& into) override {
        return pass(real_.reget(p, into));
    }
    int currentKey() const override { return real_.currentKey(); }
    int add(RecordBuffer& b) override {
        ++adds;
        if (diskFull) {
            failed_ = true;
            fault_ = {store::FileSystemError, "File system error", "13",
                      "database or disk is full"};
            return fault_.code;
        }
        if (beforeAdd) beforeAdd();
        return pass(real_.add(b));
    }
    int append(RecordBuffer& b) override { return pass(real_.append(b)); }
    int put(RecordBuffer& b) override {
        if (beforePut) beforePut();
        if (++puts == failPut) return fault();
        return pass(real_.put(b));
    }
    int erase(const RecordBuffer& b) override {
        if (++erases == failErase) return fault();
        return pass(real_.erase(b));
    }
    int eraseAll() override { // counted as one erase
        if (++erases == failErase) return fault();
        return pass(real_.eraseAll());
    }
    int hold(const RecordBuffer& b) override { return pass(real_.hold(b)); }
    int release() override { return pass(real_.release()); }
    int watch(const RecordBuffer& b) override { return pass(real_.watch(b)); }
    bool isHeld(const RecordBuffer& b) const override { return real_.isHeld(b); }
    int flush() override { return pass(real_.flush()); }
    bool duplicates(int key, const RecordBuffer& b) override { return real_.duplicates(key, b); }

private:
    int fault() {
        failed_ = true;
        fault_ = {store::FileSystemError, "File system error", "10", "disk I/O error"};
        return fault_.code;
    }
    int pass(int code) {
        failed_ = false;
        return code;
    }
    store::StoreFile& real_;
    store::Status fault_;
    bool failed_ = false;
};
