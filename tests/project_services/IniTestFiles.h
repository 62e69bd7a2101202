// Helpers of the INI tests: write and read raw file bytes in a temporary folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

class IniFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString &name = QStringLiteral("projekt.dlx")) const { return m_dir.filePath(name); }
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("projekt.dlx"))
    {
        writeBytes(path(name), bytes);
        return path(name);
    }

    QTemporaryDir m_dir;
};
