// The distinct-value list: first-seen order, the empty value, growth, progress and cancel.
#include "GTestScriptedUi.h"

#include "mainwindow/clKompListe.h"

#include <QStringList>
#include <gtest/gtest.h>

using mainwindow::clKompListe;

namespace {

QString dump(clKompListe &list, QStringList *progress = nullptr)
{
    return list.DumpAll([progress](const QString &text) {
        if (progress)
            *progress << text;
    });
}

} // namespace

TEST(KompListe, FirstSeenOrderEmptyValueOnceEveryLineEnded)
{
    GTestScriptedUi ui;
    clKompListe list;
    for (const char *value : {"B", "A", "B", "", "A", ""})
        list.AddItem(QString::fromUtf8(value));
    EXPECT_EQ(dump(list), QStringLiteral("B\r\nA\r\n<LEER>\r\n"));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.EmptyIndex(), 2);
}

TEST(KompListe, ComparesExactly)
{
    GTestScriptedUi ui;
    clKompListe list;
    for (const char *value : {"a", "A", "a ", "a", "ä"})
        list.AddItem(QString::fromUtf8(value));
    EXPECT_EQ(dump(list), QStringLiteral("a\r\nA\r\na \r\nä\r\n"));
}

TEST(KompListe, LeerTextAfterEmptyValueIsTheEmptyEntry)
{
    GTestScriptedUi ui;
    clKompListe list;
    list.AddItem(QString());
    list.AddItem(QStringLiteral("<LEER>"));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(dump(list), QStringLiteral("<LEER>\r\n"));
}

TEST(KompListe, EmptyValueAfterLeerTextStillGetsItsEntry)
{
    GTestScriptedUi ui;
    clKompListe list;
    list.AddItem(QStringLiteral("<LEER>"));
    list.AddItem(QString());
    list.AddItem(QString());
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.EmptyIndex(), 1);
}

TEST(KompListe, GrowsBy500WhenFullAndKeepsEntries)
{
    GTestScriptedUi ui;
    clKompListe list;
    EXPECT_EQ(list.Room(), 1000);
    for (int i = 0; i < 999; ++i)
        list.AddItem(QString::number(i));
    EXPECT_EQ(list.Room(), 1000);
    list.AddItem(QStringLiteral("999"));
    EXPECT_EQ(list.Room(), 1500);
    list.AddItem(QStringLiteral("5")); // seen before: no entry, no growth
    EXPECT_EQ(list.Count(), 1000);
    for (int i = 1000; i < 1500; ++i)
        list.AddItem(QString::number(i));
    EXPECT_EQ(list.Room(), 2000);
    EXPECT_EQ(list.Entry(0), QStringLiteral("0"));
    EXPECT_EQ(list.Entry(999), QStringLiteral("999"));
    EXPECT_EQ(list.Entry(1499), QStringLiteral("1499"));
}

TEST(KompListe, EmptyValueCanFillTheLastRoom)
{
    GTestScriptedUi ui;
    clKompListe list;
    for (int i = 0; i < 999; ++i)
        list.AddItem(QString::number(i));
    list.AddItem(QString());
    EXPECT_EQ(list.Room(), 1500);
    EXPECT_EQ(list.Entry(999), QStringLiteral("<LEER>"));
}

TEST(KompListe, ProgressFromFirstEntryEvery79)
{
    GTestScriptedUi ui;
    clKompListe list;
    for (int i = 0; i < 200; ++i)
        list.AddItem(QString::number(i));
    QStringList progress;
    const QString text = dump(list, &progress);
    EXPECT_EQ(progress, QStringList({QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(0%)"),
                                     QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(39%)"),
                                     QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(78%)")}));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 200);
    EXPECT_EQ(ui.doEventsCalls(), 3);
}

TEST(KompListe, CancelEndsListingAfterTheEntryJustWritten)
{
    GTestScriptedUi ui;
    clKompListe list;
    for (int i = 0; i < 200; ++i)
        list.AddItem(QStringLiteral("e%1").arg(i));
    ui.onDoEvents = [&] { list.setCancel(true); };
    QStringList progress;
    EXPECT_EQ(dump(list, &progress), QStringLiteral("e0\r\n"));
    EXPECT_EQ(progress, QStringList{QStringLiteral("Die Daten werden in die Zwischenablage kopiert...(0%)")});

    ui.onDoEvents = nullptr;
    list.setCancel(false);
    int calls = 0;
    ui.onDoEvents = [&] {
        if (++calls == 2)
            list.setCancel(true);
    };
    EXPECT_EQ(dump(list).count(QStringLiteral("\r\n")), 80);
}

TEST(KompListe, EmptyListListsNothing)
{
    GTestScriptedUi ui;
    clKompListe list;
    QStringList progress;
    EXPECT_EQ(dump(list, &progress), QString());
    EXPECT_TRUE(progress.isEmpty());
}
