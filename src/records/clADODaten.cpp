// The external-data record class: connection and query over ODBC, columns, rows, reload, data source.
#include "clADODaten.h"

#include "ADOCellReader.h"
#include "ADOValues.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "frmDatenquelle.h"
#include "infozoom/InfoZoomControl.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"

namespace records {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void reportFailure(const QString &firstLine, const platform::VbError &error)
{
    platform::ui().msgBox(firstLine + kCrLf + QStringLiteral("Fehlernummer: ") + QString::number(error.number()) +
                              kCrLf + QStringLiteral("Fehlerbeschreibung: ") + error.description(),
                          platform::MsgIcon::Exclamation);
}

} // namespace

clADODaten::clADODaten() : RecordClassBase(TableKind::ADODaten) {}

clADODaten::~clADODaten()
{
    CloseADO();
    releaseControl();
}

bool clADODaten::Init(InfoZoomControl *control, QLabel *status)
{
    keepControl(control, status);
    return true;
}

void clADODaten::closeRecordset()
{
    if (!m_recordset)
        return;
    try {
        if (m_recordset->isOpen())
            m_recordset->Close();
    } catch (const platform::VbError &) {
        // A record set whose opening failed has nothing to close.
    }
    m_recordset.reset();
}

void clADODaten::CloseADO()
{
    closeRecordset();
    if (!m_connection)
        return;
    try {
        if (m_connection->isOpen())
            m_connection->Close();
    } catch (const platform::VbError &) {
        // The link may already be gone (a server that went away); letting go is all that is left.
    }
    m_connection.reset();
}

bool clADODaten::OpenConnection()
{
    CloseADO();
    if (m_connectionString.isEmpty())
        return false;
    m_connection = std::make_unique<ado::Connection>();
    try {
        m_connection->setConnectionString(m_connectionString);
        m_connection->Open(QString(), QString(), QString(), -1);
    } catch (const platform::VbError &error) {
        reportFailure(QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle aufgetreten."), error);
        return false;
    }
    return true;
}

bool clADODaten::OpenRecordset(bool columnsOnly)
{
    closeRecordset();
    if (m_sqlString.isEmpty() || !m_connection || !m_connection->isOpen())
        return false;
    m_recordset = std::make_unique<ado::Recordset>();
    try {
        m_recordset->setActiveConnection(m_connection.get());
        if (columnsOnly)
            m_recordset->OpenColumns(m_sqlString);
        else
            m_recordset->Open(m_sqlString, nullptr, ado::adOpenStatic, ado::adLockReadOnly, -1);
    } catch (const platform::VbError &error) {
        reportFailure(QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten aufgetreten."), error);
        return false;
    }
    return true;
}

bool clADODaten::SetADOFields()
{
    if (m_connectionString.isEmpty()) {
        platform::ui().msgBox(QStringLiteral("Es sind keine ADO-Verbindungsdaten vorhanden."),
                              platform::MsgIcon::Information);
        return false;
    }
    if (!OpenConnection())
        return false;
    if (m_sqlString.isEmpty()) {
        platform::ui().msgBox(QStringLiteral("Es ist keine SQL-Abfrage vorhanden."), platform::MsgIcon::Information);
        return false;
    }
    // Only the columns are needed here; ShowData runs the query again for its rows.
    if (!OpenRecordset(true))
        return false;

    const ado::Fields &fields = m_recordset->Fields();
    m_fieldCount = fields.Count();
    m_fieldLabels = QStringList(QList<QString>(m_fieldCount));
    m_fieldTypes = QVector<int>(m_fieldCount, 0);
    m_fieldIDs.clear();
    for (int i = 0; i < m_fieldCount; ++i) {
        const ado::Field &field = fields.Item(i);
        m_fieldLabels[i] = field.Name();
        const int type = field.Type();
        const int code = ADOFieldTypeCode(type, ADOTypeHasScale(type) ? field.NumericScale() : 0);
        if (code < 0) {
            platform::ui().msgBox(
                QStringLiteral("In der externen Datentabelle ist ein Feldtyp vorhanden der nicht unterstützt wird.") +
                    kCrLf + QStringLiteral("Es handelt sich um das Feld \"") + field.Name() +
                    QStringLiteral("\" mit der Typennummer ") + QString::number(type) + QLatin1Char('.'),
                platform::MsgIcon::Exclamation);
            return false;
        }
        m_fieldTypes[i] = code;
    }
    return true;
}

void clADODaten::ShowData()
{
    if (m_fieldCount == 0 || !sourceReady())
        return;
    guardedRead([this] {
        beginShow();
        removeLeadingDefault(QStringLiteral("Kennung"));
        setUpAttributes();
        m_izTable->Refresh();
        if (!OpenConnection() || !OpenRecordset()) {
            endWithCancel();
            return;
        }
        if (!transferRows()) {
            endWithCancel();
            return;
        }
        CloseADO();
        endShow(true);
    });
}

bool clADODaten::transferRows()
{
    m_recordCount = m_recordset->RecordCount();
    const long n = m_recordCount;
    m_recordsTotal = n;
    const QDateTime now = QDateTime::currentDateTime();
    m_dateOfData = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    m_izControl->setTag(kind().tableKind);
    m_izControl->setDisplayEnabled(false);
    const QString total = QString::number(n) + QLatin1Char(')');
    SetStatus(kind().transferText + QStringLiteral("1/") + total);

    const QVector<InfoZoomAttribute> &columns = attributeColumns();
    InfoZoomObjects objects = m_izTable->Objects();
    ADOCellReader cells(*m_recordset, m_fieldTypes, n);
    for (long r = 1; r <= n; ++r) {
        const QVariant *cell = nullptr;
        try {
            cell = cells.nextRow();
        } catch (const platform::VbError &error) {
            // The rows arrive while the table takes them: what breaks their reading is the query's failure.
            reportFailure(QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten aufgetreten."), error);
            return false;
        }
        InfoZoomObject row = objects.Add();
        for (int i = 0; i < m_fieldCount; ++i) {
            if (cell[i].typeId() == QMetaType::QString)
                row.setValue(columns.at(i), cell[i].toString());
            else
                row.setValue(columns.at(i), cell[i]);
        }
        ++m_recordsRead;
        if (r % kind().progressInterval == 0) {
            if (m_cancel)
                return false;
            SetStatus(kind().transferText + QString::number(r) + QLatin1Char('/') + total);
        }
    }
    return true;
}

// The rows written so far stay and are shown; connection and query stay open until the next
// opening or the release of the object.
void clADODaten::endWithCancel()
{
    showTable();
    SetStatus(kind().abortText);
}

void clADODaten::LoadData(const QString &sFoxDatei)
{
    loadDataFrame(sFoxDatei, [] { return true; });
}

bool clADODaten::ADODatenquelleEingeben()
{
    frmDatenquelle dialog;
    dialog.SetConnectionString(m_connectionString);
    dialog.SetSQLString(m_sqlString);
    platform::ui().showModal(&dialog);
    if (dialog.cmdOKTag() != QLatin1String("*"))
        return false;
    const QString sql = dialog.GetSQLString();
    if (sql.isEmpty())
        return false;
    m_sqlString = sql;
    const QString connection = dialog.GetConnectionString();
    if (connection.isEmpty())
        return false;
    m_connectionString = connection;
    return true;
}

} // namespace records
