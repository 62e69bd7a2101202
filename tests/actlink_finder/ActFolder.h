// A small ACT! database folder for the table reader's tests: contacts, groups and relations.
#pragma once

#include "dbf/DbfWriter.h"

#include <QDir>
#include <QTemporaryDir>

class ActFolder
{
public:
    // Writes <tmp>/ACT/Database/Kontakte.dbf, .gdb and .rel (mixed case on purpose), or the files
    // of another database name.
    explicit ActFolder(const QString &name = QStringLiteral("Kontakte"))
    {
        using dbf::DbfField;
        using dbf::DbfWriter;
        QDir(m_dir.path()).mkpath(QStringLiteral("ACT/Database"));
        m_folder = m_dir.filePath(QStringLiteral("ACT/Database"));
        m_contacts = m_folder + QLatin1Char('/') + name + QStringLiteral(".dbf");
        DbfWriter::create(m_contacts, {DbfField::character(QStringLiteral("UNIQUE_ID"), 12), DbfField::character(QStringLiteral("NAME"), 20),
                                       DbfField::character(QStringLiteral("FIRMA"), 20), DbfField::character(QStringLiteral("ORT"), 20),
                                       DbfField::numeric(QStringLiteral("UMSATZ"), 8)});
        {
            DbfWriter w(m_contacts);
            w.append({QStringLiteral("C1"), QStringLiteral("Abel"), QStringLiteral("Acme"), QStringLiteral("Köln"), 10});
            w.append({QStringLiteral("C2"), QStringLiteral("O'Neil"), QStringLiteral("Büro AB"), QStringLiteral("Bonn"), 20});
            w.append({QStringLiteral("C3"), QStringLiteral("Zabel"), QString(), QStringLiteral("Aachen"), QVariant()});
            w.append({QStringLiteral("C4"), QStringLiteral("Müller"), QStringLiteral("Ab und Zu"), QStringLiteral("Köln"), 40});
        }
        const QString groups = m_folder + QLatin1Char('/') + name + QStringLiteral(".gdb");
        DbfWriter::create(groups, {DbfField::character(QStringLiteral("UNIQUE_ID"), 12), DbfField::character(QStringLiteral("GRP_NAME"), 30)});
        {
            DbfWriter w(groups);
            w.append({QStringLiteral("G1"), QStringLiteral("Kunden")});
            w.append({QStringLiteral("G'2"), QStringLiteral("Lieferanten")});
        }
        const QString relations = m_folder + QLatin1Char('/') + name + QStringLiteral(".rel");
        DbfWriter::create(relations, {DbfField::character(QStringLiteral("FIELD1"), 12), DbfField::character(QStringLiteral("FIELD2"), 12),
                                      DbfField::character(QStringLiteral("TYPE"), 1)});
        {
            DbfWriter w(relations);
            w.append({QStringLiteral("C1"), QStringLiteral("G1"), QStringLiteral("0")});
            w.append({QStringLiteral("C2"), QStringLiteral("G1"), QStringLiteral("0")});
            w.append({QStringLiteral("C3"), QStringLiteral("G'2"), QStringLiteral("0")});
            w.append({QStringLiteral("C4"), QStringLiteral("G1"), QStringLiteral("1")});
        }
    }

    QString folder() const { return m_folder; }
    QString contacts() const { return m_contacts; }

private:
    QTemporaryDir m_dir;
    QString m_folder;
    QString m_contacts;
};
