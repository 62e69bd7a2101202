// A demo database written once per test program into a temporary folder, and helpers to read it.
#pragma once

#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDemoDatabase.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class DemoDatabaseFixture : public ::testing::Test
{
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    // A fresh copy of the multi-user demo database (for tests that change it); its contact file.
    QString freshCopy();
    // The shared multi-user demo database (never changed by a test).
    static QString sharedPath();
    // Opens path and logs in the first demo user.
    static void openAsFirstUser(actserver::ACTDatabaseObject &db, const QString &path);
    // Every record of table, as lists of texts of the given fields.
    static QList<QStringList> readAll(actserver::ACTTable &table, const QVector<qint16> &ids);

    static std::unique_ptr<QTemporaryDir> s_dir;
    std::unique_ptr<QTemporaryDir> m_copyDir;
};
