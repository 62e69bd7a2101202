// The record-class frame: status, control set-up, attribute search, value rules, and the ShowData
// and LoadData frames.
#include "RecordClassBase.h"

#include "ActFieldList.h"
#include "DisplayOffGuard.h"
#include "frmFelder.h"
#include "FieldValues.h"
#include "ReadAheadSource.h"
#include "RunningACT.h"
#include "actlink/clUniqueIDConverter.h"
#include "actlink/ACTOLEErrorText.h"
#include "platform/UiServices.h"
#include "infozoom/InfoZoomControl.h"

#include <QLabel>
#include <QLocale>
#include <functional>
#include <optional>

namespace records {

namespace {

// Clears the table's status line however the show operation ends, an error passing up included.
class ClearStatusOnExit
{
public:
    explicit ClearStatusOnExit(std::function<void()> clear) : m_clear(std::move(clear)) {}
    ~ClearStatusOnExit() { m_clear(); }

private:
    std::function<void()> m_clear;
};

} // namespace

RecordClassBase::RecordClassBase(TableKind kind) : m_kind(RecordKind::of(kind)) {}

RecordClassBase::~RecordClassBase() = default;

QString RecordClassBase::ImportNameOf(qint16 fieldId) { return QStringLiteral("ACTFieldID|") + QString::number(fieldId); }

QString RecordClassBase::ImportNameOf(const QString &fieldName) { return QStringLiteral("ACTFieldID|") + fieldName; }

InfoZoomAttributeNode RecordClassBase::FindAttribute(const InfoZoomAttributes &level, const QString &name)
{
    if (level.isNull())
        return {};
    const int count = level.Count();
    for (int i = 0; i < count; ++i) {
        const InfoZoomAttributeNode node = level.Item(i);
        if (node.NodeType() == 2) {
            if (InfoZoomAttributeNode found = FindAttribute(node.Attributes(), name))
                return found;
        } else if (node.ImportName() == name) {
            return node;
        }
    }
    return {};
}

InfoZoomAttribute RecordClassBase::attributeByImportName(const QString &name) const
{
    if (!m_izTable)
        return {};
    const InfoZoomAttributeNode node = FindAttribute(m_izTable->Attributes(), name);
    return node ? InfoZoomAttribute(node) : InfoZoomAttribute();
}

void RecordClassBase::SetStatus(const QString &text)
{
    if (m_izTable)
        m_izTable->setStatusText(text);
    platform::DoEvents();
}

void RecordClassBase::keepControl(InfoZoomControl *control, QLabel *status)
{
    m_izControl = control;
    m_status = status;
    Control_Init();
}

void RecordClassBase::releaseControl()
{
    m_izTable = nullptr;
    m_izControl = nullptr;
}

void RecordClassBase::Control_Init()
{
    m_izTable = m_izControl->Table();
    m_izControl->setTag(QString());
    const auto &c = m_kind.colours;
    m_izTable->SetMainColor(c[0][0], c[0][1], c[0][2]);
    m_izTable->SetColor2(c[2][0], c[2][1], c[2][2]);
    m_izTable->SetColor4(c[4][0], c[4][1], c[4][2]);
    m_izTable->SetColor3(c[3][0], c[3][1], c[3][2]);
    m_izTable->SetColor5(c[5][0], c[5][1], c[5][2]);
    m_izTable->SetColor1(c[1][0], c[1][1], c[1][2]);
    m_izTable->Refresh();
    m_izTable->setDisplayOptionC(false);
    m_izTable->setDisplayOptionB(false);
    m_izTable->setDisplayOptionD(false);
    m_izTable->setDisplayOptionA(false);
    m_izTable->setDisplayOptionE(true);
    m_izTable->Refresh();
}

void RecordClassBase::setFieldArrays(const QStringList &labels, const QVector<qint16> &ids,
                                     const QVector<int> &types)
{
    m_fieldLabels = labels;
    m_fieldIDs = ids;
    m_fieldTypes = types;
    m_fieldCount = int(labels.size());
}

QVariant RecordClassBase::valueOf(int i, const QString &text)
{
    switch (m_fieldTypes.at(i)) {
    case FieldTypeCode::WholeNumber:
        return WholeNumberValue(text);
    case FieldTypeCode::Decimal:
        return DecimalValue(text);
    case FieldTypeCode::DateTime:
    case FieldTypeCode::Time:
        // A text that is no date at all leaves the cell empty instead of ending the whole read.
        return DateValueText(text, m_kind.emptyDate, m_fieldTypes.at(i) == FieldTypeCode::Time);
    case FieldTypeCode::IdOrName:
        return idValue(i, text);
    default:
        return textValue(i, text).value_or(QVariant(text));
    }
}

void RecordClassBase::putValue(InfoZoomObject &row, int i, const QString &text)
{
    // The texts come from the reading thread: the row copies their characters, and taking a
    // reference to them as well would make both threads fight over their cache lines.
    const InfoZoomAttribute &attribute = m_columns.at(i);
    const int type = m_fieldTypes.at(i);
    if (type == FieldTypeCode::DateTime && IsFullDateText(text)) {
        row.setValue(attribute, text);
    } else if (type == FieldTypeCode::WholeNumber || type == FieldTypeCode::Decimal ||
               type == FieldTypeCode::DateTime || type == FieldTypeCode::Time || type == FieldTypeCode::IdOrName) {
        row.setValue(attribute, valueOf(i, text));
    } else if (std::optional<QVariant> value = textValue(i, text)) {
        row.setValue(attribute, *value);
    } else {
        row.setValue(attribute, text);
    }
}

bool RecordClassBase::sourceReady()
{
    m_readEnd = ReadEnd::None;
    m_recordsRead = 0;
    m_recordsTotal = 0;
    if (SourceFilesReadable())
        return true;
    m_readEnd = ReadEnd::SourceUnreadable;
    return false;
}

QString RecordClassBase::BrokenOffText() const
{
    const QLocale locale;
    return QStringLiteral("Das Einlesen der %1 wurde abgebrochen: %2 von %3 Datensätzen gelesen!")
        .arg(m_kind.tableName, locale.toString(qlonglong(m_recordsRead)), locale.toString(qlonglong(m_recordsTotal)));
}

QString RecordClassBase::IncompleteTableText() const
{
    const QLocale locale;
    return QStringLiteral("Die %1 ist unvollständig: nur %2 von %3 Datensätzen gelesen.")
        .arg(m_kind.tableName, locale.toString(qlonglong(m_recordsRead)), locale.toString(qlonglong(m_recordsTotal)));
}

void RecordClassBase::showDataFrame(RecordSource &source)
{
    if (!sourceReady())
        return;
    guardedRead([&] {
        beginShow();
        setUpAttributes();
        endShow(transfer(source));
    });
}

void RecordClassBase::showAfterFailure() noexcept
{
    if (!m_izControl || !m_izTable)
        return;
    try {
        showTable();
        m_izTable->setStatusText(m_kind.abortText);
    } catch (...) {
        // The table itself fails: the failure that broke off the read is the one to report.
    }
}

void RecordClassBase::beginShow()
{
    SetStatus(QStringLiteral("InfoZoom Tabelle wird erstellt..."));
    m_cancel = false;
    // Until the read ends complete it counts as broken off, a failure that ends it included.
    m_readEnd = ReadEnd::BrokenOff;
    if (m_izTable->Objects().Count() >= 1)
        m_izTable->DeleteAllObjects();
}

void RecordClassBase::removeLeadingDefault(const QString &name)
{
    if (m_izTable->AttributeList().Count() < 1)
        return;
    const InfoZoomAttributeNode first = m_izTable->AttributeItem(0);
    if (first.Name() != name || first.NodeType() != 1)
        return;
    for (int i = 0; i < m_fieldCount; ++i)
        if (first.ImportName() == fieldKey(i))
            return;
    m_izTable->DeleteAttribute(first, true, true);
}

void RecordClassBase::setUpAttributes()
{
    m_columns.clear();
    m_columns.reserve(m_fieldCount);
    for (int i = 0; i < m_fieldCount; ++i) {
        const QString key = fieldKey(i);
        InfoZoomAttribute attribute;
        const InfoZoomAttributeList list = m_izTable->AttributeList();
        const int count = list.Count();
        for (int p = 0; p < count && attribute.isNull(); ++p) {
            const InfoZoomAttributeNode node = list.Item(p);
            if (node.NodeType() == 1 && node.ImportName() == key)
                attribute = InfoZoomAttribute(node);
        }
        if (attribute.isNull()) {
            attribute = m_izTable->Attributes().Add(m_fieldLabels.at(i), QString());
            attribute.setMode(0);
            attribute.setImportName(key);
        }
        const QString format = FormatOfCode(m_fieldTypes.at(i));
        if (!format.isEmpty())
            attribute.setFormat(format);
        assignRole(i, attribute.ImportName());
        m_columns.append(attribute);
        if (i % 5 == 0)
            SetStatus(QStringLiteral("Erstelle Attribute (") + QString::number(i * 100 / m_fieldCount) +
                      QStringLiteral("%)"));
    }
}

bool RecordClassBase::transfer(RecordSource &table)
{
    m_izTable->Refresh();
    const long n = table.RecordCount();
    m_recordsTotal = n;
    m_izControl->setTag(m_kind.tableKind);
    table.MoveFirst();
    // The file is read on a thread of its own while this one converts and stores the values.
    std::optional<ReadAheadSource> ahead;
    if (n > 0 && table.readsOnAnyThread())
        ahead.emplace(table, n);
    RecordSource &source = ahead ? static_cast<RecordSource &>(*ahead) : table;
    m_dateOfData = QDateTime::currentDateTime();
    m_dateOfData.setTime(QTime(m_dateOfData.time().hour(), m_dateOfData.time().minute(), m_dateOfData.time().second()));
    DisplayOffGuard display(m_izControl);
    const QString total = QString::number(n) + QLatin1Char(')');
    SetStatus(m_kind.transferText + QStringLiteral("1/") + total);

    InfoZoomObjects objects = m_izTable->Objects();
    QStringList values;
    for (long r = 1; r <= n; ++r) {
        const long code = source.GetDataEx(m_fieldIDs, values);
        bool written = false;
        if (code != 0) {
            if (!continueAfterBadRecord(code, r)) {
                display.release();
                return false;
            }
        } else {
            InfoZoomObject row = objects.Add();
            for (int i = 0; i < m_fieldCount; ++i)
                putValue(row, i, values.at(i));
            written = true;
            ++m_recordsRead;
        }
        if ((written || m_progressAfterSkipped) && r % m_kind.progressInterval == 0) {
            if (m_cancel) {
                display.release();
                return false;
            }
            SetStatus(m_kind.transferText + QString::number(r) + QLatin1Char('/') + total);
        }
        source.MoveNext();
    }
    display.release();
    return true;
}

bool RecordClassBase::continueAfterBadRecord(long code, long recordNumber)
{
    const QString text = QStringLiteral("Es ist ein Fehler beim Einlesen eines ACT!-Datensatzes aufgetreten.\r\n") +
                         actlink::ACTOLEErrorText(code) + QStringLiteral("\r\nFehlernummer: ") +
                         QString::number(code) + QStringLiteral("\r\nLfd. Datensatznummer: ") +
                         QString::number(recordNumber) +
                         QStringLiteral("\r\nSoll weiterhin versucht werden die Daten einzulesen?");
    return platform::ui().msgBox(text, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
           platform::MsgAnswer::Yes;
}

void RecordClassBase::endShow(bool complete)
{
    SetStatus(QStringLiteral("Aktualisiere Tabellenansicht..."));
    showTable();
    if (complete)
        m_readEnd = ReadEnd::Complete;
    SetStatus(complete ? QStringLiteral("Fertig.") : m_kind.abortText);
}

void RecordClassBase::showTable()
{
    m_izControl->setDisplayEnabled(true);
    m_izTable->setDisplayOptionA(true);
    m_izTable->Refresh();
    if (!m_izTable->ViewUpdated())
        m_izControl->Table()->UpdateView();
}

void RecordClassBase::finishLoad()
{
    m_izControl->setTag(m_kind.tableKind);
    SetStatus(QStringLiteral("Aktualisiere Tabellenansicht..."));
    m_izTable->setDisplayOptionA(true);
    m_izTable->Refresh();
    if (!m_izTable->ViewUpdated())
        m_izControl->Table()->UpdateView();
    SetStatus(QStringLiteral("Fertig."));
}

frmFelder *RecordClassBase::filledFieldDialog(const QString &failedText)
{
    frmFelder::Unload();
    frmFelder &dialog = frmFelder::instance();
    if (!FillFieldList(dialog)) {
        platform::ui().msgBox(failedText, platform::MsgIcon::Exclamation);
        return nullptr;
    }
    if (m_izTable)
        CheckExistingFields(dialog, m_izTable->Attributes());
    return &dialog;
}

bool RecordClassBase::rebuildFieldsFromTable()
{
    frmFelder *dialog =
        filledFieldDialog(QStringLiteral("Die Feldstruktur der ACT!-Datenbank konnte nicht eingelesen werden."));
    if (!dialog)
        return false;
    BuildFieldArrays(*dialog);
    return true;
}

const actlink::clUniqueIDConverter &RecordClassBase::converter()
{
    static const actlink::clUniqueIDConverter instance;
    return instance;
}

bool RecordClassBase::showInACT(const QString &sRecordID, const QString &sRelationID, const QString &idTyp,
                               const QString &searchText, ShowByUniqueID show)
{
    ClearStatusOnExit clear([this] { SetStatus(QString()); });
    const std::unique_ptr<RunningACT> act = runningACTWithDatabase();
    if (!act)
        return false;
    if (converter().GetIDTyp(sRecordID) != idTyp)
        return false;
    SetStatus(QStringLiteral("Suche Kontakt..."));
    if (!act->CreateContactSearch(converter().ToUniqueID(sRelationID)))
        return false;
    platform::DoEvents();
    SetStatus(searchText);
    if (!((*act).*show)(converter().ToUniqueID(sRecordID)))
        return false;
    act->Zeigen();
    return true;
}

void RecordClassBase::ensureUserNames(actserver::ACTDatabaseObject *database)
{
    if (m_usersBuilt || !database)
        return;
    m_users = UserNamesByID(*database);
    m_usersBuilt = true;
}

std::unique_ptr<RunningACT> RecordClassBase::runningACTWithDatabase(QString *actDatabase)
{
    SetStatus(QStringLiteral("Suche laufende ACT!-Anwendung..."));
    std::unique_ptr<RunningACT> act = RunningACT::create();
    if (!act->ACTgestartet()) {
        platform::ui().msgBox(QStringLiteral("Bitte starten Sie zuvor ACT!."), platform::MsgIcon::Information);
        return nullptr;
    }
    const QString database = act->ACTDatenbank();
    if (database.isEmpty()) {
        platform::ui().msgBox(QStringLiteral("Bitte öffnen Sie zuvor die ACT!-Datenbank."),
                              platform::MsgIcon::Information);
        return nullptr;
    }
    if (actDatabase)
        *actDatabase = database;
    return act;
}

bool RecordClassBase::searchDatabaseAccepted(const QString &actDatabase, const QString &projectDatabase,
                                             const QString &searchName)
{
    if (actDatabase.toLower() == projectDatabase.toLower())
        return true;
    const QString question = QStringLiteral("Die aktuelle ACT! Datenbank ") + quoted(actDatabase) +
                             QStringLiteral("\r\nentpricht nicht der Projektdatenbank ") + quoted(projectDatabase) +
                             QStringLiteral(".\r\nSoll trotzdem versucht werden eine ") + searchName +
                             QStringLiteral(" in ACT! zu bilden?");
    if (platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
        platform::MsgAnswer::Yes)
        return true;
    SetStatus(QStringLiteral("Die Erstellung der ACT! Suche wurde abgebrochen."));
    return false;
}

} // namespace records
