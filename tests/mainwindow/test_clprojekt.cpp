// The project object's name, changed and saved state, and closing.
#include "project/clProjekt.h"

#include <gtest/gtest.h>

using project::clProjekt;

TEST(Projekt, ANewProjectIsUnnamedUnsavedAndUnchanged)
{
    const clProjekt projekt;
    EXPECT_EQ(projekt.Name(), QStringLiteral("Unbenannt"));
    EXPECT_FALSE(projekt.IsSaved());
    EXPECT_FALSE(projekt.IsChanged());
    EXPECT_EQ(projekt.Ordner(), QString());
    EXPECT_EQ(projekt.Datei(), QString());
}

TEST(Projekt, OnlyTheUserNameAndDataChangesMarkItChanged)
{
    clProjekt projekt;
    projekt.setName(QStringLiteral("Kunden"));
    projekt.setACTDatenbank(QStringLiteral("/daten/Firma.dbf"));
    projekt.setOrdner(QStringLiteral("/daten"));
    projekt.setDatei(QStringLiteral("/daten/Kunden.dlx"));
    EXPECT_FALSE(projekt.IsChanged());
    projekt.setACTBenutzername(QStringLiteral("Chris Huffman"));
    EXPECT_TRUE(projekt.IsChanged());

    clProjekt other;
    other.DataChanged();
    EXPECT_TRUE(other.IsChanged());
}

TEST(Projekt, ClosingReturnsToTheInitialState)
{
    clProjekt projekt;
    projekt.setName(QStringLiteral("Kunden"));
    projekt.setACTBenutzername(QStringLiteral("Chris Huffman"));
    projekt.setOrdner(QStringLiteral("/daten"));
    projekt.CloseProjekt();
    EXPECT_EQ(projekt.Name(), QStringLiteral("Unbenannt"));
    EXPECT_EQ(projekt.ACTBenutzername(), QString());
    EXPECT_EQ(projekt.Ordner(), QString());
    EXPECT_FALSE(projekt.IsChanged());
    EXPECT_FALSE(projekt.IsSaved());
}
