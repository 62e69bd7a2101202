// The group-name list: one query over the group file, then one hashed filter per question.
#include "clGruppenliste.h"

#include "actlink/clACTFinder.h"
#include "dao/Recordset.h"
#include "platform/UiServices.h"
#include "infozoom/InfoZoomTable.h"

namespace records {

namespace {

constexpr int kIdLength = 12;

const QString &unknown()
{
    static const QString text = QStringLiteral("Unbekannt");
    return text;
}

// The ACT! object hands out texts without their trailing blanks, the dBase reader at full width; names
// are shown as ACT! shows them, so a group without a name gives the empty text.
QString withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

} // namespace

clGruppenliste::clGruppenliste() = default;

clGruppenliste::~clGruppenliste()
{
    if (m_groups && m_groups->isOpen())
        m_groups->Close();
}

void clGruppenliste::setStatus(const QString &text)
{
    if (m_table)
        m_table->setStatusText(text);
    platform::DoEvents();
}

bool clGruppenliste::Init(const QString &Databasepath, InfoZoomTable *table)
{
    m_table = table;
    m_groups.reset();
    m_finder = std::make_unique<actlink::clACTFinder>();
    if (!m_finder->Init(Databasepath)) {
        setStatus(QStringLiteral("Fehler beim Zugriff auf die ACT!-Datenbank (ACTFinder-init)."));
        return false;
    }
    m_groupCount = 0;
    m_groups = m_finder->ExtrActAbfrage(QStringLiteral("SELECT ACT_Group.UNIQUE_ID AS GruppenID, "
                                                       "ACT_Group.GRP_NAME AS GruppenName ") +
                                            QStringLiteral("FROM ACT_Group "),
                                        m_groupCount);
    if (!m_groups) {
        setStatus(QStringLiteral("Fehler beim Zugriff auf die ACT!-Datenbank (ACTFinder-Abfrage)."));
        return false;
    }
    return true;
}

QString clGruppenliste::Name(const QString &sUniqueID)
{
    if (sUniqueID.trimmed().isEmpty())
        return QString();
    if (!m_groups || sUniqueID.size() > kIdLength)
        return unknown();
    QString id = sUniqueID.leftJustified(kIdLength, u' ');
    id.replace(QStringLiteral("'"), QStringLiteral("''"));
    m_groups->setFilter(QStringLiteral("GruppenID='") + id + QLatin1Char('\''));
    const std::unique_ptr<dao::Recordset> found = m_groups->OpenRecordset();
    if (found->RecordCount() == 0)
        return unknown();
    const QVariant name = found->value(QStringLiteral("GruppenName"));
    return name.isNull() ? QString() : withoutTrailingBlanks(name.toString());
}

} // namespace records
