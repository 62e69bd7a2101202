// The main window with two hand-filled tables: contacts above (name, customer number and the ID,
// kept inside a folder that further folders follow) and one lower kind below, with the project's
// descriptors naming the key attributes by their import names.
#pragma once

#include "mainwindow/MainWindowFixture.h"

#include "mainwindow/StatusBarPanel.h"
#include "infozoom/InfoZoomTable.h"
#include "infozoom/TableData.h"

#include <QAction>
#include <QStringList>
#include <QToolBar>

namespace sync_test {

// The contacts' ID attribute and the sync attribute of the ACT! kinds.
inline const QString kIdKey = QStringLiteral("ACTFieldID|1");
inline const QString kContactKey = QStringLiteral("ACTFieldID|26");
inline const QString kCustomerKey = QStringLiteral("ACTFieldID|57");

inline QString contactId(int i)
{
    return QStringLiteral("CO%1").arg(i, 24, 10, QLatin1Char('0'));
}

} // namespace sync_test

class SyncFixture : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        load();
        modHaupt::Projekt->DataChanged();
        modHaupt::Projekt->FOXKontakt().setUniqueIDFeldName(sync_test::kIdKey);
        fillContacts(10);
    }

    InfoZoomTable *upper() const { return window->InfoZoomKontakt()->Table(); }
    InfoZoomTable *lower() const { return window->InfoZoomExtra()->Table(); }
    QString status() const { return window->StatusPanel()->text(); }
    void run(const char *command) { window->RunMenuCommand(QString::fromLatin1(command)); }

    // Contacts 1..n: "Folder A" holds Name and then "Folder B" with the ID; "Folder C" follows with
    // the customer number "K" & i.
    void fillContacts(int n)
    {
        InfoZoomAttributes top = upper()->Attributes();
        InfoZoomAttributes folderA = top.AddFolder(QStringLiteral("Stammdaten")).Attributes();
        m_name = folderA.Add(QStringLiteral("Firma"));
        m_name.setImportName(QStringLiteral("ACTFieldID|2"));
        InfoZoomAttributes folderB = folderA.AddFolder(QStringLiteral("Schlüssel")).Attributes();
        m_contactId = folderB.Add(QStringLiteral("Kontakt-ID"));
        m_contactId.setImportName(sync_test::kIdKey);
        InfoZoomAttributes folderC = top.AddFolder(QStringLiteral("Weiteres")).Attributes();
        m_customer = folderC.Add(QStringLiteral("Kundennummer"));
        m_customer.setImportName(sync_test::kCustomerKey);
        top.AddFolder(QStringLiteral("Leer"));
        InfoZoomObjects rows = upper()->Objects();
        for (int i = 1; i <= n; ++i) {
            InfoZoomObject row = rows.Add();
            row.setValue(m_name, QStringLiteral("Firma %1").arg(i));
            row.setValue(m_contactId, sync_test::contactId(i));
            row.setValue(m_customer, QStringLiteral("K%1").arg(i));
        }
        window->InfoZoomKontakt()->setTag(QStringLiteral("Kontakte"));
    }

    // A lower table of the given kind: one row per entry of contacts (the contact each row
    // belongs to), its own ID in ACTFieldID|1 and the contact's ID in the sync attribute.
    void fillLower(const QString &kind, const QList<int> &contacts)
    {
        project::clFOX *fox = modHaupt::Projekt->FOX(kind);
        fox->setSyncFeldName(sync_test::kContactKey);
        fox->setUniqueIDFeldName(sync_test::kIdKey);
        InfoZoomAttributes top = lower()->Attributes();
        m_lowerId = top.Add(QStringLiteral("ID"));
        m_lowerId.setImportName(sync_test::kIdKey);
        m_sync = top.Add(QStringLiteral("Kontakt"));
        m_sync.setImportName(sync_test::kContactKey);
        InfoZoomObjects rows = lower()->Objects();
        int n = 0;
        for (int contact : contacts) {
            InfoZoomObject row = rows.Add();
            row.setValue(m_lowerId, QStringLiteral("NT%1").arg(++n, 24, 10, QLatin1Char('0')));
            row.setValue(m_sync, sync_test::contactId(contact));
        }
        window->InfoZoomExtra()->setTag(kind);
    }

    static void select(InfoZoomAttribute attribute, const QStringList &values)
    {
        for (const QString &value : values)
            attribute.SelectValue(value, true);
    }
    static QStringList ids(const QList<int> &contacts)
    {
        QStringList result;
        for (int c : contacts)
            result << sync_test::contactId(c);
        return result;
    }
    QStringList viewOf(InfoZoomTable *table, const InfoZoomAttribute &attribute) const
    {
        return column(table->CurrentObjects(), attribute);
    }
    static QStringList markedValues(const InfoZoomAttribute &attribute, InfoZoomTable *table)
    {
        QStringList result;
        InfoZoomObjects rows = table->Objects();
        rows.Reset();
        const int n = rows.Count();
        for (int i = 0; i < n; ++i) {
            const InfoZoomObject row = rows.NextObject();
            if (table->data()->isRowMarked(row.row()))
                result << row.Value(attribute).toString();
        }
        return result;
    }
    bool controlsEnabled() const
    {
        return window->Menu(QStringLiteral("mnuAktionen"))->isEnabled() &&
               window->Menu(QStringLiteral("mnuDatei"))->isEnabled() && window->Toolbar()->isEnabled() &&
               !window->AbbruchPanel()->isVisible();
    }

    InfoZoomAttribute m_name, m_contactId, m_customer, m_lowerId, m_sync;
};
