// The attribute link dialog: lists from the two tables (attributes only, never folders), the
// preselection of the stored link, and what OK and cancel write.
#include "GTestScriptedUi.h"

#include "project/clFOX.h"
#include "records/clADODaten.h"
#include "records/frmAttributeZuordnung.h"
#include "infozoom/InfoZoomTable.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <gtest/gtest.h>

using records::frmAttributeZuordnung;

namespace {

class AttributeLink : public ::testing::Test
{
protected:
    void SetUp() override
    {
        add(m_kontakt, QStringLiteral("Firma"), QStringLiteral("ACTFieldID|2"));
        InfoZoomAttributeNode folder = m_kontakt.Attributes().AddFolder(QStringLiteral("Adresse"));
        InfoZoomAttribute ort = folder.Attributes().Add(QStringLiteral("Ort"));
        ort.setImportName(QStringLiteral("ACTFieldID|12"));
        add(m_kontakt, QStringLiteral("Kennung"), QStringLiteral("ACTFieldID|1"));
        add(m_extra, QStringLiteral("kundennr"), QStringLiteral("ACTFieldID|kundennr"));
        add(m_extra, QStringLiteral("name"), QStringLiteral("ACTFieldID|name"));
    }
    static void add(InfoZoomTable &table, const QString &name, const QString &importName)
    {
        table.Attributes().Add(name).setImportName(importName);
    }
    static QStringList entries(const QComboBox *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }
    std::unique_ptr<frmAttributeZuordnung> load()
    {
        return std::make_unique<frmAttributeZuordnung>(m_ado, m_fox, &m_kontakt, &m_extra);
    }

    GTestScriptedUi m_ui;
    InfoZoomTable m_kontakt;
    InfoZoomTable m_extra;
    records::clADODaten m_ado;
    project::clFOX m_fox;
};

TEST_F(AttributeLink, ListsAttributesButNotFoldersAndEndsWithNoLink)
{
    auto dialog = load();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zuordnung der Attribute"));
    EXPECT_EQ(dialog->frExterneDaten()->title(), QStringLiteral("Externe Daten Attribut"));
    EXPECT_EQ(dialog->frKontakt()->title(), QStringLiteral("Kontakt-Attribut"));
    EXPECT_EQ(entries(dialog->cbxKontaktAttribut()), (QStringList{"Firma", "Ort", "Kennung", "<< Keine Zuordnung >>"}));
    EXPECT_EQ(dialog->KontaktNames(), (QStringList{"ACTFieldID|2", "ACTFieldID|12", "ACTFieldID|1", ""}));
    EXPECT_EQ(entries(dialog->cbxADODatenAttribut()), (QStringList{"kundennr", "name", "<< Keine Zuordnung >>"}));
}

TEST_F(AttributeLink, WithoutAStoredLinkNoLinkIsPreselected)
{
    auto dialog = load();
    EXPECT_EQ(dialog->cbxKontaktAttribut()->currentText(), QStringLiteral("<< Keine Zuordnung >>"));
    EXPECT_EQ(dialog->cbxADODatenAttribut()->currentText(), QStringLiteral("<< Keine Zuordnung >>"));
}

TEST_F(AttributeLink, AnAttributeWithoutImportNameIsPreselectedWhenNoLinkIsStored)
{
    add(m_extra, QStringLiteral("abgeleitet 1"), QString());
    add(m_extra, QStringLiteral("abgeleitet 2"), QString());
    auto dialog = load();
    EXPECT_EQ(dialog->cbxADODatenAttribut()->currentText(), QStringLiteral("abgeleitet 2"));
    EXPECT_EQ(dialog->cbxKontaktAttribut()->currentText(), QStringLiteral("<< Keine Zuordnung >>"));
}

TEST_F(AttributeLink, TheStoredLinkIsPreselectedTheLaterOfTwoEqualNamesWinning)
{
    add(m_extra, QStringLiteral("kundennr kopie"), QStringLiteral("ACTFieldID|kundennr"));
    m_ado.setSyncFieldName(QStringLiteral("ACTFieldID|kundennr"));
    m_ado.setUniqueIDFieldName(QStringLiteral("ACTFieldID|12"));
    auto dialog = load();
    EXPECT_EQ(dialog->cbxADODatenAttribut()->currentText(), QStringLiteral("kundennr kopie"));
    EXPECT_EQ(dialog->cbxKontaktAttribut()->currentText(), QStringLiteral("Ort"));
}

TEST_F(AttributeLink, OkWritesBothNamesIntoTheObjectAndTheDescriptor)
{
    auto dialog = load();
    dialog->cbxADODatenAttribut()->setCurrentIndex(0);
    dialog->cbxKontaktAttribut()->setCurrentIndex(2);
    dialog->cmdOK_Click();
    EXPECT_EQ(dialog->cmdOKTag(), QStringLiteral("*"));
    EXPECT_EQ(m_ado.SyncFieldName(), QStringLiteral("ACTFieldID|kundennr"));
    EXPECT_EQ(m_ado.UniqueIDFieldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_EQ(m_fox.SyncFeldName(), QStringLiteral("ACTFieldID|kundennr"));
    EXPECT_EQ(m_fox.UniqueIDFeldName(), QStringLiteral("ACTFieldID|1"));
    EXPECT_TRUE(m_fox.IsChanged());
}

TEST_F(AttributeLink, OkWithoutChangesStillMarksTheDescriptorChanged)
{
    m_ado.setSyncFieldName(QStringLiteral("ACTFieldID|name"));
    m_ado.setUniqueIDFieldName(QStringLiteral("ACTFieldID|2"));
    auto dialog = load();
    dialog->cmdOK()->click();
    EXPECT_EQ(m_ado.SyncFieldName(), QStringLiteral("ACTFieldID|name"));
    EXPECT_EQ(m_fox.UniqueIDFeldName(), QStringLiteral("ACTFieldID|2"));
    EXPECT_TRUE(m_fox.IsChanged());
}

TEST_F(AttributeLink, ChoosingNoLinkRemovesThatSide)
{
    m_ado.setSyncFieldName(QStringLiteral("ACTFieldID|name"));
    m_ado.setUniqueIDFieldName(QStringLiteral("ACTFieldID|2"));
    auto dialog = load();
    dialog->cbxKontaktAttribut()->setCurrentIndex(dialog->cbxKontaktAttribut()->count() - 1);
    dialog->cmdOK_Click();
    EXPECT_EQ(m_ado.UniqueIDFieldName(), QString());
    EXPECT_EQ(m_ado.SyncFieldName(), QStringLiteral("ACTFieldID|name"));
    EXPECT_EQ(m_fox.UniqueIDFeldName(), QString());
}

TEST_F(AttributeLink, CancelWritesNothing)
{
    m_ado.setSyncFieldName(QStringLiteral("ACTFieldID|name"));
    auto dialog = load();
    dialog->cbxADODatenAttribut()->setCurrentIndex(0);
    dialog->cmdAbbruch()->click();
    EXPECT_EQ(dialog->cmdOKTag(), QString());
    EXPECT_EQ(m_ado.SyncFieldName(), QStringLiteral("ACTFieldID|name"));
    EXPECT_FALSE(m_fox.IsChanged());
    EXPECT_EQ(m_fox.SyncFeldName(), QString());
}

} // namespace
