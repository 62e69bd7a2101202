// Helpers of the project tests: a temporary folder with an ACT! database file, project files written
// byte for byte, keys read back in file order, and two table controls standing for the main window's.
#pragma once

#include "GTestScriptedUi.h"
#include "project/clProjekt.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class ProjectFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_database = path(QStringLiteral("act/Firma.dbf"));
        QDir(m_dir.path()).mkpath(QStringLiteral("act"));
        QDir(m_dir.path()).mkpath(QStringLiteral("projekte"));
        touch(m_database);
        m_upper = std::make_unique<InfoZoomControl>();
        m_lower = std::make_unique<InfoZoomControl>();
        project::clProjekt::setDisplayedTables(m_upper.get(), m_lower.get());
    }
    void TearDown() override { project::clProjekt::setDisplayedTables(nullptr, nullptr); }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString folder() const { return path(QStringLiteral("projekte")); }

    static void touch(const QString &file, const QByteArray &bytes = QByteArray("x"))
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file.toStdString();
        f.write(bytes);
    }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The key names of a project file in the order they stand.
    static QStringList keysOf(const QString &file)
    {
        QStringList keys;
        for (const QByteArray &line : read(file).split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0)
                keys << QString::fromLatin1(line.left(eq));
        }
        return keys;
    }
    // A project file with the given lines below "[Options]", and the contacts table file beside it.
    QString writeProject(const QString &fileName, const QStringList &lines, const QString &tableName = QString())
    {
        const QString file = folder() + QLatin1Char('/') + fileName;
        touch(file, ("[Options]\r\n" + lines.join(QStringLiteral("\r\n")) + "\r\n").toLatin1());
        if (!tableName.isEmpty())
            touch(project::clProjekt::TableFilePath(folder(), tableName, QStringLiteral("Kontakte")));
        return file;
    }
    // Gives a table control a tag and one attribute with one row, as a read would leave it.
    static void fill(InfoZoomControl &control, const QString &kind)
    {
        control.setTag(kind);
        InfoZoomAttribute a = control.Table()->Attributes().Add(QStringLiteral("Name"));
        a.setImportName(QStringLiteral("ACTFieldID|1"));
        control.Table()->Objects().Add().setValue(a, QStringLiteral("Wert"));
    }

    QTemporaryDir m_dir;
    QString m_database;
    std::unique_ptr<InfoZoomControl> m_upper;
    std::unique_ptr<InfoZoomControl> m_lower;
};
