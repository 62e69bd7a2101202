// The ACT! table reader: opening the database folder, queries over logical names, the cached field
// search and the field usage sentence; every failure is reported in a box and answered with "none".
#include "clACTFinder.h"

#include "modAPIFilesAndPaths.h"

#include "dbf/FileNames.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>

namespace actlink {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kHeader = QStringLiteral("Fehler in Klasse ") + QStringLiteral("ACTFinder");
// Where the DAO installer could be fetched; none is offered, as the engine is part of the program.
const QString kDaoDownloadUrl;

std::unique_ptr<dao::DBEngine> &engineSlot()
{
    static std::unique_ptr<dao::DBEngine> engine;
    return engine;
}

QString daoLine(const platform::VbError &e)
{
    return QStringLiteral("DAO-Fehler ") + QString::number(e.number()) + QStringLiteral(": ") + e.description();
}

// A table name between brackets; a "]" of the database's file name is doubled, so it cannot end
// the name early.
QString bracketed(QString table)
{
    return QLatin1Char('[') + table.replace(QLatin1String("]"), QLatin1String("]]")) + QLatin1Char(']');
}

QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

clACTFinder::clACTFinder() = default;

clACTFinder::~clACTFinder()
{
    m_alleRecordset.reset();
    m_filterRecordset.reset();
    if (m_database)
        m_database->Close();
    m_database.reset();
}

dao::DBEngine *clACTFinder::DAOEngine()
{
    return engineSlot().get();
}

void clACTFinder::showMessage(const QStringList &lines) const
{
    platform::ui().msgBox((QStringList{kHeader} + lines).join(kCrLf), platform::MsgIcon::Exclamation);
}

QString clACTFinder::TableExtension(int kind)
{
    static const char *const extensions[] = {"dbf", "gdb", "hdb", "adb", "edb", "rel", "sdb"};
    return kind >= 0 && kind <= 6 ? QString::fromLatin1(extensions[kind]) : QString();
}

QString clACTFinder::KurznameVon(const QString &path)
{
    // Linux has no 8.3 short names: the short form of a path is the path itself.
    return path;
}

bool clACTFinder::FileExists(const QString &path, QString *realPath)
{
    const QFileInfo given(path.trimmed());
    if (given.fileName().isEmpty())
        return false;
    // The Windows original found the file whatever the case of the name; so does the dBase layer.
    const QString found = dbf::findFileCaseless(given.path(), given.fileName());
    if (found.isEmpty())
        return false;
    *realPath = QFileInfo(found).absoluteFilePath();
    return true;
}

bool clACTFinder::ObjectCreatable(const QString &library, const QString &className)
{
    // The engine is linked into the program, so creating it cannot fail for want of an installation;
    // the check stays so that an engine that cannot start is still reported as the original did.
    if (library != QLatin1String("DAO") || className != QLatin1String("DBEngine.35"))
        return false;
    try {
        dao::DBEngine probe;
        return true;
    } catch (...) {
        return false;
    }
}

bool clACTFinder::Init(const QString &sACTPfad)
{
    QString realPath;
    if (!FileExists(sACTPfad.toLower(), &realPath) && !FileExists(sACTPfad, &realPath))
        return false;
    if (!ObjectCreatable(QStringLiteral("DAO"), QStringLiteral("DBEngine.35"))) {
        const platform::MsgAnswer answer = platform::ui().msgBox(
            (QStringList{kHeader, QStringLiteral("Es konnte nicht die DAO.Engine erstellt werden."),
                         QStringLiteral("Bitte installieren Sie das DAO35.EXE-Programm von Microsoft."),
                         QStringLiteral("Wollen Sie es jetzt aus dem Internet downloaden?")})
                .join(kCrLf),
            platform::MsgIcon::Exclamation, platform::MsgButtons::YesNo);
        if (answer == platform::MsgAnswer::Yes && !kDaoDownloadUrl.isEmpty())
            QProcess::startDetached(QStringLiteral("xdg-open"), {kDaoDownloadUrl});
        return false;
    }
    const QString path = sACTPfad.trimmed();
    const qsizetype p = path.lastIndexOf(QDir::separator());
    m_datenbankpfadLang = path.left(qMax<qsizetype>(p, 0)).toLower();
    m_datenbanknameLang = path.mid(p + 1).chopped(qMin<qsizetype>(4, path.size() - p - 1)).toLower();
    const QString shortPath = KurznameVon(path).toLower();
    const qsizetype sp = shortPath.lastIndexOf(QDir::separator());
    m_datenbankpfad = shortPath.left(qMax<qsizetype>(sp, 0));
    m_datenbankname = shortPath.mid(sp + 1).chopped(qMin<qsizetype>(4, shortPath.size() - sp - 1));
    m_contactFile = realPath;
    try {
        if (!engineSlot())
            engineSlot() = std::make_unique<dao::DBEngine>();
        m_database = engineSlot()->OpenDatabase(QFileInfo(realPath).absolutePath(), false, false, QStringLiteral("FoxPro 2.6;"));
    } catch (const platform::VbError &e) {
        m_database.reset();
        showMessage({QStringLiteral("Es konnte nicht die ACT!-Datenbank geöffnet werden."),
                     QStringLiteral("Der Datenbankpfad lautet:") + shortPath, daoLine(e)});
        return false;
    }
    return true;
}

QString clACTFinder::ACTDatenbank() const
{
    return m_datenbankpfad + QDir::separator() + m_datenbankname + QStringLiteral(".dbf");
}

std::unique_ptr<dao::Recordset> clACTFinder::SQLAbfrage(const QString &strSQL)
{
    if (!m_database) {
        showMessage({QStringLiteral("Die Abfrage konnte nicht ausgeführt werden, da zuvor nicht die ACT!-Datenbank "
                                    "initialisiert wurde."),
                     QString()});
        return nullptr;
    }
    try {
        platform::DoEvents();
        return m_database->OpenRecordset(strSQL, dao::dbOpenSnapshot);
    } catch (const platform::VbError &e) {
        platform::ui().setClipboardText(strSQL);
        showMessage({QStringLiteral("Es konnte keine Abfrage bei der ACT!-Datenbank ausgeführt werden."), daoLine(e)});
        platform::ui().setClipboardText(strSQL);
        return nullptr;
    }
}

std::unique_ptr<dao::Recordset> clACTFinder::ExtrActAbfrage(const QString &strSQL, long &Anzahl)
{
    static const std::pair<const char *, int> names[] = {{"ACT_Contact", 0},  {"ACT_Group", 1},    {"ACT_Relation", 5},
                                                         {"ACT_Notes", 2},    {"ACT_Email", 4},    {"ACT_Activity", 3},
                                                         {"ACT_Sales", 6}};
    QString sql = strSQL;
    for (const auto &[name, kind] : names)
        sql.replace(QLatin1String(name), bracketed(m_datenbankname + QStringLiteral("#") + TableExtension(kind)),
                    Qt::CaseSensitive);
    std::unique_ptr<dao::Recordset> rs = SQLAbfrage(sql);
    if (Anzahl == 0)
        Anzahl = NormaliseRecordCount(rs.get());
    return rs;
}

long clACTFinder::NormaliseRecordCount(dao::Recordset *recordset)
{
    if (!recordset)
        return -1;
    long count = recordset->RecordCount();
    if (count < 1)
        return count;
    recordset->MoveLast();
    count = recordset->RecordCount();
    recordset->MoveFirst();
    return count;
}

long clACTFinder::AnzahlAlle()
{
    return NormaliseRecordCount(m_alleRecordset.get());
}

long clACTFinder::AnzahlFilter()
{
    return NormaliseRecordCount(m_filterRecordset.get());
}

void clACTFinder::killCache()
{
    if (m_filterRecordset)
        m_filterRecordset->Close();
    m_filterRecordset.reset();
    if (m_alleRecordset)
        m_alleRecordset->Close();
    m_alleRecordset.reset();
    m_suchfelder.clear();
    m_suchfelderUBound = 0;
}

void clACTFinder::QuickSort(QStringList &list, qsizetype low, qsizetype high)
{
    while (low < high) {
        const QString pivot = list[(low + high) / 2];
        qsizetype i = low, j = high;
        while (i <= j) {
            while (list[i] < pivot)
                ++i;
            while (pivot < list[j])
                --j;
            if (i <= j)
                list.swapItemsAt(i++, j--);
        }
        // Recurse into the smaller part, loop over the larger: the depth stays logarithmic.
        if (j - low < high - i) {
            QuickSort(list, low, j);
            low = i;
        } else {
            QuickSort(list, i, high);
            high = j;
        }
    }
}

QString clACTFinder::CaselessPattern(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        const ushort code = c.unicode();
        if ((code >= 97 && code <= 122) || (code >= 224 && code <= 253))
            out += QLatin1Char('[') + c + QChar(code - 32) + QLatin1Char(']');
        else if ((code >= 65 && code <= 90) || (code >= 192 && code <= 221))
            out += QLatin1Char('[') + c + QChar(code + 32) + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

bool clACTFinder::rebuildBaseQuery(int Tabelle, const QString &table)
{
    QString sql = QStringLiteral("SELECT ");
    QStringList columns;
    for (const QString &field : m_suchfelder)
        columns << bracketed(table) + QLatin1Char('.') + field;
    if (Tabelle != Beziehungen)
        columns << bracketed(table) + QStringLiteral(".UNIQUE_ID");
    // The relation table has no UNIQUE_ID: its field list ends with the last search field.
    sql += columns.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + bracketed(table) + QLatin1Char(' ');
    m_baseQuery = sql;
    m_filterRecordset.reset();
    m_alleRecordset = SQLAbfrage(sql);
    if (!m_alleRecordset)
        return false;
    m_suchTabelle = Tabelle;
    m_cacheDatum = QDateTime::currentDateTime();
    m_cacheDatum.setTime(QTime(m_cacheDatum.time().hour(), m_cacheDatum.time().minute(), m_cacheDatum.time().second()));
    m_cacheDBFSize = modAPIFilesAndPaths::GetFileSize(m_contactFile);
    m_cacheDBFDate = modAPIFilesAndPaths::GetFileTime(m_contactFile, modAPIFilesAndPaths::LastWriteTime, true);
    return true;
}

QString clACTFinder::buildFilter(const QString &table, const QString &sSuchbegriffe, int LogOperatorFelder,
                                 int LogOperatorSuchbegriffe, int SuchPosition) const
{
    const QStringList values = sSuchbegriffe.split(u',');
    const QString fieldJoin = LogOperatorFelder == 0 ? QStringLiteral(" OR ") : QStringLiteral(" AND ");
    const QString valueJoin = LogOperatorSuchbegriffe == 0 ? QStringLiteral(" OR ") : QStringLiteral(" AND ");
    QStringList fieldConditions;
    for (const QString &field : m_suchfelder) {
        const QString column = bracketed(table) + QLatin1Char('.') + field;
        QStringList valueConditions;
        for (const QString &value : values) {
            if (value == QLatin1String("<<LEER>>") || value == QLatin1String("<<NULL>>")) {
                valueConditions << column + QStringLiteral(" IS NULL");
                continue;
            }
            // A quote in a search value must stay part of the value, never end the literal.
            const QString p = CaselessPattern(value).replace(u'\'', QStringLiteral("''"));
            switch (SuchPosition) {
            case 0:
                valueConditions << column + QStringLiteral(" LIKE '") + p + QStringLiteral("*'");
                break;
            case 1:
                valueConditions << column + QStringLiteral(" LIKE '*") + p + QStringLiteral("*'");
                break;
            case 2:
                // Text fields come padded to their width; "ends with" means the end of the text.
                valueConditions << QStringLiteral("RTRIM(") + column + QStringLiteral(") LIKE '*") + p + QStringLiteral("'");
                break;
            default:
                valueConditions << QStringLiteral("(1=1)"); // no condition on this field
            }
        }
        fieldConditions << QStringLiteral("(") + valueConditions.join(valueJoin) + QStringLiteral(")");
    }
    return fieldConditions.join(fieldJoin);
}

bool clACTFinder::Suche(int Tabelle, const QString &sSuchfelder, const QString &, const QString &sSuchbegriffe,
                        int LogOperatorFelder, int LogOperatorSuchbegriffe, int &SuchPosition, bool FesteFeldReihenfolge)
{
    const QString table = m_datenbankname + QStringLiteral("#") + TableExtension(Tabelle);
    QStringList fields = sSuchfelder.split(u',');
    if (!FesteFeldReihenfolge)
        QuickSort(fields, 0, fields.size() - 1);
    // A cached base query serves only the same fields of the same table, and only while it exists.
    if (m_suchfelder.isEmpty() || m_suchfelderUBound != fields.size() - 1 || m_suchfelder != fields ||
        m_suchTabelle != Tabelle || !m_alleRecordset) {
        m_suchfelder = fields;
        m_suchfelderUBound = fields.size() - 1;
        if (!rebuildBaseQuery(Tabelle, table)) {
            m_filterRecordset.reset();
            return false;
        }
    }
    const QString filter = buildFilter(table, sSuchbegriffe, LogOperatorFelder, LogOperatorSuchbegriffe, SuchPosition);
    m_alleRecordset->setFilter(filter);
    m_filterRecordset.reset();
    try {
        platform::DoEvents();
        m_filterRecordset = m_alleRecordset->OpenRecordset();
    } catch (const platform::VbError &e) {
        platform::ui().setClipboardText(filter);
        showMessage({QStringLiteral("Es konnte kein Suchfilter ausgeführt werden."), daoLine(e)});
        platform::ui().setClipboardText(m_baseQuery);
        m_filterRecordset.reset();
        m_alleRecordset.reset();
        return false;
    }
    return true;
}

QString clACTFinder::ValueToText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    const QLocale locale = numberLocale();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return QString::number(value.toLongLong()).rightJustified(14);
    case QMetaType::Double:
    case QMetaType::Float:
        return locale.toString(value.toDouble(), 'f', 2).rightJustified(14);
    case QMetaType::QString: {
        const QString text = value.toString();
        bool numeric = false;
        locale.toDouble(text.trimmed(), &numeric);
        if (numeric)
            return text.trimmed().rightJustified(14);
        // Blanks that pad a fixed-width dBase field are not data.
        qsizetype end = text.size();
        while (end > 0 && text[end - 1] == u' ')
            --end;
        return text.left(end);
    }
    case QMetaType::QDate:
        return QLocale().toString(value.toDate(), QLocale::ShortFormat);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    default:
        return value.toString();
    }
}

QString clACTFinder::Feldausnutzung(const QString &DBFName)
{
    if (!m_alleRecordset)
        return QString();
    try {
        const int field = m_alleRecordset->fieldIndex(DBFName);
        const long n = AnzahlAlle();
        if (n > 0)
            m_alleRecordset->MoveFirst();
        double volume = 0, defined = 0;
        long filled = 0;
        for (long i = 0; i < n; ++i) {
            const qsizetype l = ValueToText(m_alleRecordset->value(field)).size();
            volume += double(l);
            defined += m_alleRecordset->fieldSize(field);
            filled += l > 0 ? 1 : 0;
            m_alleRecordset->MoveNext();
        }
        // An empty table or a field without defined size uses nothing of nothing: 0 percent.
        const QLocale locale = numberLocale();
        return QString::number(filled) + QStringLiteral(" Datensätze sind in dem Feld gefüllt (") +
               locale.toString(n > 0 ? double(filled) / n * 100 : 0.0, 'f', 2) + QStringLiteral("%).") +
               QStringLiteral(" Das Datenvolumen beträgt ") + locale.toString(volume / 1024, 'f', 1) + QStringLiteral(" KB (") +
               locale.toString(defined > 0 ? volume / defined * 100 : 0.0, 'f', 2) + QStringLiteral("%).");
    } catch (const platform::VbError &) {
        return QString();
    }
}

} // namespace actlink
