// Reads the tables of an ACT! database straight from its dBase files through the DAO engine: SQL over
// the seven logical table names, a field search with LIKE filters over one table with a cached base
// query, and a sentence on how well a field is used. ACT! need not run.
#pragma once

#include "dao/DBEngine.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

namespace actlink {

class clACTFinder
{
public:
    enum Tabelle { Kontakte = 0, Gruppen = 1, Notizen = 2, Aufgaben = 3, EMail = 4, Beziehungen = 5, Auftraege = 6 };

    clACTFinder();
    ~clACTFinder(); // Class_Terminate
    clACTFinder(const clACTFinder &) = delete;
    clACTFinder &operator=(const clACTFinder &) = delete;

    // sACTPfad: the full path of the contact file (NAME.dbf). A missing file returns false silently.
    bool Init(const QString &sACTPfad);
    // Runs SQL on the open database; nullptr after a failure (reported, SQL left on the clipboard).
    std::unique_ptr<dao::Recordset> SQLAbfrage(const QString &strSQL);
    // SQL with the logical names ACT_Contact, ACT_Group, ACT_Relation, ACT_Notes, ACT_Email,
    // ACT_Activity, ACT_Sales. Anzahl 0 on entry receives the record count (-1 when the query failed).
    std::unique_ptr<dao::Recordset> ExtrActAbfrage(const QString &strSQL, long &Anzahl);
    // Field search over one table; SuchPosition 0 begins with, 1 contains, 2 ends with.
    bool Suche(int Tabelle, const QString &sSuchfelder, const QString &sAnzeigefelder, const QString &sSuchbegriffe,
               int LogOperatorFelder, int LogOperatorSuchbegriffe, int &SuchPosition, bool FesteFeldReihenfolge);
    QString Feldausnutzung(const QString &DBFName);
    void killCache();

    QString Datenbankpfad() const { return m_datenbankpfad; }
    QString Datenbankname() const { return m_datenbankname; }
    QString DatenbankpfadLang() const { return m_datenbankpfadLang; }
    QString DatenbanknameLang() const { return m_datenbanknameLang; }
    QString ACTDatenbank() const;
    long AnzahlAlle();
    long AnzahlFilter();
    // Owned by the reader; nullptr when there is none.
    dao::Recordset *FilterRecordset() const { return m_filterRecordset.get(); }
    dao::Recordset *AlleRecordset() const { return m_alleRecordset.get(); }
    QDateTime CacheDatum() const { return m_cacheDatum; }
    qint32 CacheDBFSize() const { return m_cacheDBFSize; }
    QDateTime CacheDBFDate() const { return m_cacheDBFDate; }

    // The program-wide engine, created by the first successful Init; nullptr before.
    static dao::DBEngine *DAOEngine();

private:
    static QString TableExtension(int kind);
    static QString KurznameVon(const QString &path);
    static bool FileExists(const QString &path, QString *realPath);
    static bool ObjectCreatable(const QString &library, const QString &className);
    static void QuickSort(QStringList &list, qsizetype low, qsizetype high);
    static QString CaselessPattern(const QString &value);
    static long NormaliseRecordCount(dao::Recordset *recordset);
    static QString ValueToText(const QVariant &value);
    QString buildFilter(const QString &table, const QString &sSuchbegriffe, int LogOperatorFelder,
                        int LogOperatorSuchbegriffe, int SuchPosition) const;
    bool rebuildBaseQuery(int Tabelle, const QString &table);
    void showMessage(const QStringList &lines) const;

    QString m_datenbankpfad, m_datenbankname, m_datenbankpfadLang, m_datenbanknameLang;
    QString m_contactFile; // real case, for opening
    std::unique_ptr<dao::Database> m_database;
    std::unique_ptr<dao::Recordset> m_alleRecordset;
    std::unique_ptr<dao::Recordset> m_filterRecordset;
    QStringList m_suchfelder;
    qsizetype m_suchfelderUBound = 0;
    int m_suchTabelle = -1;
    QDateTime m_cacheDatum, m_cacheDBFDate;
    qint32 m_cacheDBFSize = 0;
    QString m_baseQuery;
};

} // namespace actlink
