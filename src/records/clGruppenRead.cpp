// The groups read: one row per group and member contact, the members taken from the relation table
// through the ACT! table reader with one filter per group.
#include "clGruppen.h"

#include "DisplayOffGuard.h"
#include "actlink/clACTFinder.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTTable.h"
#include "dao/Recordset.h"

namespace records {

namespace {

constexpr int kFixedColumns = 4;
constexpr int kMemberCountColumn = 1;
constexpr int kMemberColumn = 2;

const QString kMembershipQuery =
    QStringLiteral("SELECT ACT_Relation.FIELD1 AS KontaktID, ACT_Relation.FIELD2 AS GruppenID "
                   "FROM ACT_Relation "
                   "WHERE (ACT_Relation.TYPE='0')");

// The membership record set and the filtered one of the current group; both are closed before the
// read ends, however it ends.
struct MembershipSets
{
    std::unique_ptr<dao::Recordset> all;
    std::unique_ptr<dao::Recordset> filtered;
    ~MembershipSets()
    {
        if (filtered)
            filtered->Close();
        if (all)
            all->Close();
    }
};

// The member count ACT! stores: a whole number, or -1 when the field is empty or holds no number
// (then the membership rows alone decide).
long storedMemberCount(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && value >= 0 ? long(qRound64(value)) : -1;
}

} // namespace

void clGruppen::ShowData()
{
    // Without a group table (Init said so) or a field set-up there is nothing to read.
    if (!m_group || m_fieldCount < kFixedColumns || !sourceReady())
        return;
    guardedRead([&] {
        beginShow();
        removeLeadingDefault(QStringLiteral("Kennung"));
        setUpAttributes();
        const QVector<InfoZoomAttribute> columns = columnAttributes();
        bool complete = false;
        {
            DisplayOffGuard display(m_izControl);
            const long n = beginTransfer();
            complete = transferGroups(n, columns);
        }
        endShow(complete);
    });
}

// The attribute of each field as setUpAttributes found or made it: the first attribute of the flat
// list with the field's import name.
QVector<InfoZoomAttribute> clGruppen::columnAttributes() const
{
    QVector<InfoZoomAttribute> columns(m_fieldCount);
    const InfoZoomAttributeList list = m_izTable->AttributeList();
    const int count = list.Count();
    for (int i = 0; i < m_fieldCount; ++i) {
        const QString key = fieldKey(i);
        for (int p = 0; p < count; ++p) {
            const InfoZoomAttributeNode node = list.Item(p);
            if (node.NodeType() == 1 && node.ImportName() == key) {
                columns[i] = InfoZoomAttribute(node);
                break;
            }
        }
    }
    return columns;
}

// The frame's step 5 over the group table; returns its record count.
long clGruppen::beginTransfer()
{
    m_izTable->Refresh();
    const long n = m_group->RecordCount();
    m_recordsTotal = n;
    m_izControl->setTag(kind().tableKind);
    m_group->MoveFirst();
    const QDateTime now = QDateTime::currentDateTime();
    m_dateOfData = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    SetStatus(kind().transferText + QStringLiteral("1/") + QString::number(n) + QLatin1Char(')'));
    return n;
}

bool clGruppen::transferGroups(long n, const QVector<InfoZoomAttribute> &columns)
{
    actlink::clACTFinder finder;
    if (!finder.Init(m_sACTDatenbank)) {
        SetStatus(QStringLiteral("Fehler beim Zugriff auf die ACT!-Datenbank (ACTFinder-init)."));
        return false;
    }
    MembershipSets sets;
    long count = 0;
    sets.all = finder.ExtrActAbfrage(kMembershipQuery, count);
    if (!sets.all) {
        SetStatus(QStringLiteral("Fehler beim Zugriff auf die ACT!-Datenbank (ACTFinder-Abfrage)."));
        return false;
    }
    const QString total = QString::number(n);
    SetStatus(QStringLiteral("Übertrage Gruppendaten... (1/") + total + QLatin1Char(')'));
    InfoZoomObjects objects = m_izTable->Objects();
    QStringList values;
    for (long g = 1; g <= n; ++g) {
        m_group->GetDataEx(m_fieldIDs, values);
        const long code = m_group->LastError();
        const QString position = QString::number(g) + QLatin1Char('/') + total;
        if (code != 0) {
            if (!continueAfterBadRecord(code, g))
                return false;
        } else {
            QString groupId = values.at(0);
            groupId.replace(QLatin1Char('\''), QStringLiteral("''"));
            sets.filtered.reset();
            sets.all->setFilter(QStringLiteral("GruppenID='") + groupId + QLatin1Char('\''));
            sets.filtered = sets.all->OpenRecordset();
            if (!writeGroup(values, *sets.filtered, objects, columns, position))
                return false;
            ++m_recordsRead;
        }
        SetStatus(QStringLiteral("Übertrage Gruppendaten... (") + position + QStringLiteral(") "));
        m_group->MoveNext();
    }
    return true;
}

// The rows of one group: one per membership record, or one with "Unbekannt" for a group whose
// member count is unknown and that has no membership. False when a cancel ended the read.
bool clGruppen::writeGroup(const QStringList &values, dao::Recordset &memberships, InfoZoomObjects &objects,
                           const QVector<InfoZoomAttribute> &columns, const QString &position)
{
    long c = storedMemberCount(values.at(kMemberCountColumn));
    long rows = c;
    if (c < 0) {
        c = 0;
        rows = 1;
    }
    const bool any = !memberships.isEOF();
    if (any)
        memberships.MoveLast();
    if (memberships.RecordCount() != c) {
        c = memberships.RecordCount();
        rows = c;
    }
    if (any)
        memberships.MoveFirst();

    // Every column but the count and the member holds the same value in each row of the group.
    QVector<QVariant> groupValues(m_fieldCount);
    for (int i = 0; i < m_fieldCount; ++i)
        if (i != kMemberCountColumn && i != kMemberColumn)
            groupValues[i] = valueOf(i, values.at(i));
    const QString unknown = QStringLiteral("Unbekannt");
    const QString contactType = QStringLiteral("CO");
    const QString rowsText = QString::number(rows);
    for (long k = 1; k <= rows; ++k) {
        InfoZoomObject row = objects.Add();
        for (int i = 0; i < m_fieldCount; ++i) {
            if (i == kMemberCountColumn) {
                row.setValue(columns.at(i), c);
            } else if (i == kMemberColumn) {
                if (c != 0) {
                    row.setValue(columns.at(i), converter().ToHexID(memberships.value(0).toString(), contactType));
                    memberships.MoveNext();
                } else {
                    row.setValue(columns.at(i), unknown);
                }
            } else {
                row.setValue(columns.at(i), groupValues.at(i));
            }
        }
        if (m_cancel)
            return false;
        if (k % kind().progressInterval == 0)
            SetStatus(QStringLiteral("Übertrage Gruppendaten... (") + position + QStringLiteral(") Kontakte (") +
                      QString::number(k) + QLatin1Char('/') + rowsText + QLatin1Char(')'));
    }
    return true;
}

} // namespace records
