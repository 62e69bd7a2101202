// The activities record class: reading the activities into the table, one row per scheduled contact,
// with the code tables, user and group names and the typed IDs.
#include "clAufgaben.h"

#include "ActivitySource.h"
#include "DisplayOffGuard.h"
#include "FieldValues.h"
#include "actlink/clUniqueIDConverter.h"
#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActError.h"
#include "clGruppenliste.h"
#include "platform/UiServices.h"

#include <QLocale>
#include <cmath>

namespace records {

namespace {

constexpr qint16 kIdField = 1;
constexpr qint16 kContactField = 40;
constexpr qint16 kCountField = 100;

// The code table of a field, or -1 for a field without one.
int codeTableOf(qint16 fieldId)
{
    switch (fieldId) {
    case 33:
        return ActivityCodeTexts::Alarm;
    case 41:
        return ActivityCodeTexts::DoneState;
    case 35:
        return ActivityCodeTexts::EmailAlarm;
    case 26:
        return ActivityCodeTexts::Priority;
    case 5:
        return ActivityCodeTexts::Visibility;
    case 31:
        return ActivityCodeTexts::Timing;
    case 25:
        return ActivityCodeTexts::ActivityType;
    default:
        return -1;
    }
}

// The text before the first CR LF.
QString firstLine(const QString &text)
{
    const qsizetype end = text.indexOf(QLatin1String("\r\n"));
    return end < 0 ? text : text.left(end);
}

// How many rows an activity gives: the count field's whole number when it holds a number (one that
// fits 32 bits), else one.
int rowCountOf(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return 1;
    const double whole = std::nearbyint(value);
    if (whole < -2147483648.0 || whole > 2147483647.0)
        return 1;
    return int(whole);
}

int positionOf(const QVector<qint16> &ids, qint16 id)
{
    return int(ids.indexOf(id));
}

} // namespace

void clAufgaben::ShowData(ActivitySource &source)
{
    if (m_fieldCount == 0 || !sourceReady())
        return;
    guardedRead([&] {
        beginShow();
        removeLeadingDefault(QStringLiteral("Kennung"));
        setUpAttributes();
        const Ending ending = transfer(source);
        m_groupList.reset();
        endTransfer(ending);
    });
}

clAufgaben::Ending clAufgaben::transfer(ActivitySource &source)
{
    m_izTable->Refresh();
    const long n = source.RecordCount();
    m_recordsTotal = n;
    source.MoveFirst();
    const QDateTime now = QDateTime::currentDateTime();
    m_dateOfData = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    m_izControl->setTag(kind().tableKind);
    DisplayOffGuard display(m_izControl);

    SetStatus(QStringLiteral("Initialisiere Gruppenliste..."));
    m_groupList = std::make_unique<clGruppenliste>();
    if (!m_groupList->Init(m_database ? m_database->GetDatabasePath() : QString(), m_izTable))
        platform::ui().msgBox(QStringLiteral("Es können keine verknüpfte Gruppennamen angezeigt werden."),
                              platform::MsgIcon::Information);

    const QString total = QString::number(n) + QLatin1Char(')');
    SetStatus(kind().transferText + QStringLiteral("1/") + total);
    InfoZoomObjects objects = m_izTable->Objects();
    QStringList values;
    QVector<QVariant> cells(m_fieldCount);
    for (long r = 1; r <= n; ++r) {
        long code = source.GetDataEx(m_fieldIDs, values);
        if (code == 0 && !writeRecord(source, objects, values, cells))
            code = actserver::ActError::DBDataCorrupt;
        if (code != 0) {
            if (!continueAfterBadRecord(code, r))
                return Ending::Cancelled;
        } else {
            ++m_recordsRead;
            // Tested only after a record that was read, once its rows are written.
            if (r % kind().progressInterval == 0) {
                if (m_cancel)
                    return Ending::Cancelled;
                SetStatus(kind().transferText + QString::number(r) + QLatin1Char('/') + total);
            }
        }
        source.MoveNext();
    }
    return Ending::Complete;
}

bool clAufgaben::writeRecord(ActivitySource &source, InfoZoomObjects &objects, const QStringList &values,
                             QVector<QVariant> &cells)
{
    const int contactPos = positionOf(m_fieldIDs, kContactField);
    const int countPos = positionOf(m_fieldIDs, kCountField);
    const int k = countPos < 0 ? 1 : rowCountOf(values.at(countPos));
    if (k <= 0)
        return true;
    QStringList contacts;
    if (contactPos >= 0 && k == 1)
        contacts << values.at(contactPos);
    else if (contactPos >= 0 && !scheduledContacts(source, k, &contacts))
        return false;
    for (int i = 0; i < m_fieldCount; ++i)
        if (i != contactPos)
            cells[i] = valueOf(i, values.at(i));
    const QVector<InfoZoomAttribute> &attributes = columns();
    for (int j = 0; j < k; ++j) {
        if (contactPos >= 0)
            cells[contactPos] = converter().ToHexID(contacts.at(j), QStringLiteral("CO"));
        InfoZoomObject row = objects.Add();
        for (int i = 0; i < m_fieldCount; ++i)
            row.setValue(attributes.at(i), cells.at(i));
    }
    return true;
}

bool clAufgaben::scheduledContacts(ActivitySource &source, int count, QStringList *contacts)
{
    // The count comes from the record itself; the schedule list is what ACT! really keeps, so a
    // count it cannot fill is a damaged record, never a reason for rows without a contact.
    for (QString contact = source.FirstScheduledWith(); !contact.isEmpty(); contact = source.NextScheduledWith()) {
        *contacts << contact;
        if (contacts->size() == count)
            return true;
    }
    return false;
}

std::optional<QVariant> clAufgaben::textValue(int i, const QString &text)
{
    const qint16 id = m_fieldIDs.at(i);
    const int table = codeTableOf(id);
    if (table >= 0 && m_codeTexts)
        return m_codeTexts->textOf(ActivityCodeTexts::Table(table), text);
    if (id == 45)
        return firstLine(text);
    return std::nullopt;
}

QVariant clAufgaben::idValue(int i, const QString &text)
{
    switch (m_fieldIDs.at(i)) {
    case kIdField:
    case 42:
        return converter().ToHexID(text, QStringLiteral("AT"));
    case 37:
    case 38:
        return userName(text);
    case 39:
        return m_groupList ? m_groupList->Name(text) : QStringLiteral("Unbekannt");
    case kContactField:
        return converter().ToHexID(text, QStringLiteral("CO"));
    default:
        return text;
    }
}

void clAufgaben::endTransfer(Ending ending)
{
    SetStatus(QStringLiteral("Aktualisiere Tabellenansicht..."));
    m_izControl->setDisplayEnabled(true);
    m_izTable->setDisplayOptionA(true);
    m_izTable->Refresh();
    if (ending == Ending::Cancelled) {
        SetStatus(kind().abortText);
        return;
    }
    removeLeadingDefault(QStringLiteral("Kennwert"));
    if (!m_izTable->ViewUpdated())
        m_izControl->Table()->UpdateView();
    m_readEnd = ReadEnd::Complete;
    SetStatus(QStringLiteral("Fertig."));
}

} // namespace records
