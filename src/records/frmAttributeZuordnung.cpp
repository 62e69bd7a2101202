// The attribute link dialog: lists filled from the two tables, the link written on OK.
#include "frmAttributeZuordnung.h"

#include "RecordClassBase.h"
#include "project/clFOX.h"
#include "infozoom/InfoZoomTable.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace records {

frmAttributeZuordnung::frmAttributeZuordnung(RecordClassBase &adoDaten, project::clFOX &foxADODaten,
                                             InfoZoomTable *kontaktTable, InfoZoomTable *extraTable, QWidget *parent)
    : QDialog(parent), m_adoDaten(adoDaten), m_foxADODaten(foxADODaten)
{
    buildUi();
    m_kontaktNames = FillList(m_cbxKontaktAttribut, kontaktTable, m_adoDaten.UniqueIDFieldName());
    m_adoDatenNames = FillList(m_cbxADODatenAttribut, extraTable, m_adoDaten.SyncFieldName());
}

void frmAttributeZuordnung::buildUi()
{
    setWindowTitle(QStringLiteral("Zuordnung der Attribute"));
    auto *layout = new QVBoxLayout(this);
    m_frExterneDaten = new QGroupBox(QStringLiteral("Externe Daten Attribut"), this);
    m_frExterneDaten->setObjectName(QStringLiteral("frExterneDaten"));
    m_cbxADODatenAttribut = new QComboBox(m_frExterneDaten);
    m_cbxADODatenAttribut->setObjectName(QStringLiteral("cbxADODatenAttribut"));
    (new QVBoxLayout(m_frExterneDaten))->addWidget(m_cbxADODatenAttribut);
    m_frKontakt = new QGroupBox(QStringLiteral("Kontakt-Attribut"), this);
    m_frKontakt->setObjectName(QStringLiteral("frKontakt"));
    m_cbxKontaktAttribut = new QComboBox(m_frKontakt);
    m_cbxKontaktAttribut->setObjectName(QStringLiteral("cbxKontaktAttribut"));
    (new QVBoxLayout(m_frKontakt))->addWidget(m_cbxKontaktAttribut);
    layout->addWidget(m_frExterneDaten);
    layout->addWidget(m_frKontakt);

    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdAbbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
    m_cmdAbbruch->setObjectName(QStringLiteral("cmdAbbruch"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdAbbruch);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(m_cmdAbbruch, &QPushButton::clicked, this, [this] { cmdAbbruch_Click(); });
}

QStringList frmAttributeZuordnung::FillList(QComboBox *list, InfoZoomTable *table, const QString &preselect)
{
    list->clear();
    QStringList names;
    int selected = -1;
    if (table) {
        const InfoZoomAttributeList attributes = table->AttributeList();
        const int count = attributes.Count();
        for (int i = 0; i < count; ++i) {
            const InfoZoomAttributeNode node = attributes.Item(i);
            if (node.NodeType() != 1)
                continue;
            list->addItem(node.Name());
            names << node.ImportName();
            if (node.ImportName() == preselect)
                selected = list->count() - 1;
        }
    }
    list->addItem(QStringLiteral("<< Keine Zuordnung >>"));
    names << QString();
    list->setCurrentIndex(selected >= 0 ? selected : list->count() - 1);
    return names;
}

void frmAttributeZuordnung::cmdOK_Click()
{
    m_adoDaten.setSyncFieldName(m_adoDatenNames.value(m_cbxADODatenAttribut->currentIndex()));
    m_adoDaten.setUniqueIDFieldName(m_kontaktNames.value(m_cbxKontaktAttribut->currentIndex()));
    m_foxADODaten.setSyncFeldName(m_adoDaten.SyncFieldName());
    m_foxADODaten.setUniqueIDFeldName(m_adoDaten.UniqueIDFieldName());
    m_okTag = QStringLiteral("*");
    accept();
}

void frmAttributeZuordnung::cmdAbbruch_Click()
{
    m_okTag.clear();
    QDialog::reject();
}

void frmAttributeZuordnung::reject()
{
    cmdAbbruch_Click();
}

} // namespace records
