#pragma once

#include "core/Dictionary.h"
#include "framework/store/Positions.h"
#include "framework/store/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh data directory with one store (one station) on it.
class StoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<store::RecordStore> store = store::RecordStore::openSqlCipher(dir.path());

    QString path(const FileDef& def) const { return QDir(dir.path()).filePath(def.diskName); }

    // Creates and opens a file for reading and writing.
    store::StoreFile& created(const FileDef& def) {
        store::StoreFile& f = store->declare(def);
        EXPECT_EQ(f.create(), store::Ok) << f.status().driverText.toStdString();
        EXPECT_EQ(f.open(store::ReadWrite | store::DenyNone), store::Ok)
            << f.status().driverText.toStdString();
        return f;
    }

    static QByteArray contents(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    static void archief(ArchiefRecord& r, quint32 nr, const QString& naam,
                        const QString& soort = QStringLiteral("Tools")) {
        r.clear();
        r.NR = nr;
        r.Naam = naam;
        r.Soort = soort;
    }

    // Adds Archief records NR 1..count named "file<NR>", in one transaction.
    void addArchief(store::StoreFile& f, int count) {
        ASSERT_EQ(store->begin({&f}, 5), store::Ok);
        ArchiefRecord r;
        for (int i = 1; i <= count; ++i) {
            archief(r, quint32(i), QStringLiteral("file%1").arg(i, 6, 10, QLatin1Char('0')));
            ASSERT_EQ(f.add(r), store::Ok) << f.status().driverText.toStdString();
        }
        ASSERT_EQ(store->commit(), store::Ok);
    }

    // The values of one field over a whole pass in a key's order.
    template <class Record>
    static QStringList pass(store::StoreFile& f, int key, int field, bool backwards = false) {
        Record r;
        QStringList out;
        f.setOrder(key);
        while ((backwards ? f.previous(r) : f.next(r)) == store::Ok)
            out << r.text(field);
        EXPECT_EQ(f.status().code, store::NoRecord);
        return out;
    }
};
