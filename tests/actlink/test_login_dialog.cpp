// The ACT! login dialog: its texts, the masked password and the tag protocol of its buttons.
#include "actlink/frmACTLogin.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using actlink::frmACTLogin;

TEST(LoginDialog, ShowsItsCaptionsAndMasksThePassword)
{
    frmACTLogin dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("ACT!-Datenbankanmeldung"));
    EXPECT_EQ(dlg.frBenutzerdaten()->title(), QStringLiteral("ACT!-Benutzerdaten"));
    EXPECT_EQ(dlg.lbBenutzername()->text(), QStringLiteral("&Benutzername"));
    EXPECT_EQ(dlg.lbKennwort()->text(), QStringLiteral("&Kennwort"));
    EXPECT_EQ(dlg.cmdOk()->text(), QStringLiteral("&OK"));
    EXPECT_EQ(dlg.cmdAbbruch()->text(), QStringLiteral("&Abbrechen"));
    dlg.show();
    dlg.txbKennwort()->setText(QStringLiteral("geheim"));
    EXPECT_EQ(dlg.txbKennwort()->displayText(), QStringLiteral("******"));
    EXPECT_EQ(dlg.txbKennwort()->text(), QStringLiteral("geheim"));
}

TEST(LoginDialog, OkSetsTheTagAndHidesTheDialogWithTheTexts)
{
    frmACTLogin dlg;
    dlg.frBenutzerdaten()->setTitle(QStringLiteral("Benutzerdaten für kontakte.dbf"));
    dlg.show();
    dlg.txbBenutzername()->setText(QStringLiteral("Jürgen Groß"));
    dlg.txbKennwort()->setText(QStringLiteral("pa ß"));
    QTest::mouseClick(dlg.cmdOk(), Qt::LeftButton);
    EXPECT_EQ(dlg.cmdOkTag(), QStringLiteral("x"));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.txbBenutzername()->text(), QStringLiteral("Jürgen Groß"));
    EXPECT_EQ(dlg.txbKennwort()->text(), QStringLiteral("pa ß"));
}

TEST(LoginDialog, EmptyTextsCanBeConfirmed)
{
    frmACTLogin dlg;
    dlg.show();
    dlg.cmdOk()->click();
    EXPECT_EQ(dlg.cmdOkTag(), QStringLiteral("x"));
    EXPECT_EQ(dlg.txbBenutzername()->text(), QString());
    EXPECT_EQ(dlg.txbKennwort()->text(), QString());
}

TEST(LoginDialog, CancelEmptiesTheTagAfterAnEarlierOk)
{
    frmACTLogin dlg;
    dlg.show();
    dlg.cmdOk()->click();
    dlg.show();
    dlg.cmdAbbruch()->click();
    EXPECT_EQ(dlg.cmdOkTag(), QString());
    EXPECT_FALSE(dlg.isVisible());
}

TEST(LoginDialog, ClosingByTheFrameCountsAsCancel)
{
    frmACTLogin dlg;
    dlg.show();
    dlg.cmdOk()->click();
    dlg.show();
    EXPECT_TRUE(dlg.close());
    EXPECT_EQ(dlg.cmdOkTag(), QString());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(LoginDialog, EscapeCountsAsCancelAndEnterAsOk)
{
    frmACTLogin dlg;
    dlg.show();
    QTest::keyClick(dlg.txbKennwort(), Qt::Key_Return);
    EXPECT_EQ(dlg.cmdOkTag(), QStringLiteral("x"));
    dlg.show();
    QTest::keyClick(dlg.txbKennwort(), Qt::Key_Escape);
    EXPECT_EQ(dlg.cmdOkTag(), QString());
    EXPECT_FALSE(dlg.isVisible());
}
