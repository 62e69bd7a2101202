// The field-selection dialog: OK needs a ticked field, cancel clears the marker, header sorting.
#include "GTestScriptedUi.h"
#include "records/frmFelder.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

using records::frmFelder;

namespace {

void fillThree(frmFelder &dialog)
{
    dialog.addItem(QStringLiteral("ACTFieldID|15"), QStringLiteral("Ort"), QStringLiteral("0"));
    dialog.addItem(QStringLiteral("ACTFieldID|2"), QStringLiteral("Firma"), QStringLiteral("0"));
    dialog.addItem(QStringLiteral("ACTFieldID|27"), QStringLiteral("Mitarbeiter"), QStringLiteral("1"));
}

QStringList texts(const frmFelder &dialog)
{
    QStringList out;
    for (int i = 0; i < dialog.itemCount(); ++i)
        out << dialog.itemText(i);
    return out;
}

TEST(FieldDialog, HasItsCaptionsAndOneColumn)
{
    frmFelder dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Auswahl der ACT!-Felder"));
    EXPECT_EQ(dialog.lvFelder()->headerItem()->text(0), QStringLiteral("Feldname"));
    EXPECT_EQ(dialog.lvFelder()->columnCount(), 1);
}

TEST(FieldDialog, OkWithNothingTickedShowsTheNoticeAndStaysOpen)
{
    GTestScriptedUi ui;
    ui.expectMsgBox(platform::MsgIcon::Information, QString::fromUtf8("Bitte wählen Sie mindestens ein Feld aus."));
    frmFelder dialog;
    fillThree(dialog);
    dialog.show();
    dialog.cmdOk_Click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.cmdOkTag(), QString());

    dialog.setChecked(1, true);
    dialog.cmdOk_Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.cmdOkTag(), QStringLiteral("*"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FieldDialog, CancelClearsTheMarkerAndKeepsTheTicks)
{
    frmFelder dialog;
    fillThree(dialog);
    dialog.setChecked(0, true);
    dialog.show();
    dialog.cmdAbbruch_Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.cmdOkTag(), QString());
    EXPECT_TRUE(dialog.isChecked(0));
}

TEST(FieldDialog, HeaderClicksSortByLabelAndThenAlternate)
{
    frmFelder dialog;
    fillThree(dialog);
    EXPECT_EQ(texts(dialog), (QStringList{"Ort", "Firma", "Mitarbeiter"}));
    dialog.lvFelder_ColumnClick();
    EXPECT_EQ(texts(dialog), (QStringList{"Firma", "Mitarbeiter", "Ort"}));
    dialog.lvFelder_ColumnClick();
    EXPECT_EQ(texts(dialog), (QStringList{"Ort", "Mitarbeiter", "Firma"}));
    dialog.lvFelder_ColumnClick();
    EXPECT_EQ(texts(dialog), (QStringList{"Firma", "Mitarbeiter", "Ort"}));
    EXPECT_EQ(dialog.itemKey(2), QStringLiteral("ACTFieldID|15"));
}

TEST(FieldDialog, UnloadGivesAFreshInstance)
{
    frmFelder &first = frmFelder::instance();
    fillThree(first);
    frmFelder::Unload();
    EXPECT_EQ(frmFelder::instance().itemCount(), 0);
    frmFelder::Unload();
}

} // namespace
