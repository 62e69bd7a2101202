// Program settings: defaults, conversions under German regional settings, folder checks, refused
// keys; each test has its own settings file.
#include "IniTestFiles.h"
#include "project/ProgramSettings.h"
#include "project/VbVal.h"

#include <QDir>

using namespace project;

namespace {

class ProgramSettingsTest : public IniFileTest
{
protected:
    void SetUp() override
    {
        IniFileTest::SetUp();
        setOptionsFile(path("Datolux.ini"));
    }
    void TearDown() override { setOptionsFile(QString()); }
    // QSettings re-reads a file only when its time or size changed: each raw store differs in size.
    void storeRaw(const QByteArray &line)
    {
        static int padding = 0;
        write("[Options]\n" + QByteArray(++padding, ';') + "\n" + line + "\n", "Datolux.ini");
    }
};

TEST_F(ProgramSettingsTest, FirstRunGivesTheDefaults)
{
    EXPECT_EQ(GetOption("WindowWidth"), QVariant(7800.0));
    EXPECT_EQ(GetOption("WindowHeight"), QVariant(6100.0));
    EXPECT_EQ(GetOption("WindowLeft"), QVariant(0.0));
    EXPECT_EQ(GetOption("WindowTop"), QVariant(0.0));
    EXPECT_EQ(GetOption("BarTop"), QVariant(0.5f));
    EXPECT_EQ(GetOption("DirProject"), QVariant(QString()));
    EXPECT_EQ(GetOption("DirACTDatabase"), QVariant(QString()));
}

TEST_F(ProgramSettingsTest, NumbersAreStoredUnderGermanSettings)
{
    SetOption("BarTop", 0.25);
    SetOption("WindowWidth", 12000.0);
    EXPECT_TRUE(readBytes(path("Datolux.ini")).contains("BarTop=\"0,25\""));
    EXPECT_TRUE(readBytes(path("Datolux.ini")).contains("WindowWidth=12000"));
    EXPECT_FLOAT_EQ(GetOption("BarTop").toFloat(), 0.25f);
    EXPECT_EQ(GetOption("WindowWidth").toDouble(), 12000.0);
}

TEST_F(ProgramSettingsTest, SinglePrecisionRatioKeepsItsShortText)
{
    SetOption("BarTop", QVariant(0.1f));
    EXPECT_TRUE(readBytes(path("Datolux.ini")).contains("BarTop=\"0,1\""));
    EXPECT_FLOAT_EQ(GetOption("BarTop").toFloat(), 0.1f);
}

TEST_F(ProgramSettingsTest, WindowValueWithCommaReadsOnlyItsLeadingNumber)
{
    SetOption("WindowWidth", 8000.5);
    EXPECT_EQ(GetOption("WindowWidth").toDouble(), 8000.0);
    storeRaw("WindowWidth=8000,5");
    EXPECT_EQ(GetOption("WindowWidth").toDouble(), 8000.0);
    storeRaw("WindowWidth=8000.5");
    EXPECT_EQ(GetOption("WindowWidth").toDouble(), 8000.5);
    storeRaw("WindowLeft=breit");
    EXPECT_EQ(GetOption("WindowLeft").toDouble(), 0.0);
}

TEST_F(ProgramSettingsTest, RatioThatDoesNotReadUnderGermanSettings)
{
    storeRaw("BarTop=0.75");
    EXPECT_FLOAT_EQ(GetOption("BarTop").toFloat(), 0.75f);
    storeRaw("BarTop=0.625"); // three decimals, as settings without a region wrote them
    EXPECT_FLOAT_EQ(GetOption("BarTop").toFloat(), 0.625f);
    storeRaw("BarTop=unsinn");
    EXPECT_FLOAT_EQ(GetOption("BarTop").toFloat(), 0.5f);
}

TEST_F(ProgramSettingsTest, DeletedFolderReadsAsEmpty)
{
    const QString folder = path("Projekte") + "/";
    ASSERT_TRUE(QDir().mkpath(folder));
    SetOption("DirProject", folder);
    EXPECT_EQ(GetOption("DirProject").toString(), folder);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_EQ(GetOption("DirProject"), QVariant(QString()));
}

TEST_F(ProgramSettingsTest, FolderWithUmlautsRoundTrips)
{
    const QString folder = path(QString::fromUtf8("Aufträge")) + "/";
    ASSERT_TRUE(QDir().mkpath(folder));
    SetOption("DirACTDatabase", folder);
    EXPECT_EQ(GetOption("DirACTDatabase").toString(), folder);
}

TEST_F(ProgramSettingsTest, UnknownKeysAreRefusedSilently)
{
    SetOption("Unbekannt", 1);
    SetOption("windowwidth", 9000.0);
    EXPECT_FALSE(readBytes(path("Datolux.ini")).contains("Unbekannt"));
    EXPECT_FALSE(GetOption("Unbekannt").isValid());
    EXPECT_EQ(GetOption("WindowWidth").toDouble(), 7800.0);
}

struct ValCase
{
    const char *text;
    double expected;
};

class VbValTest : public ::testing::TestWithParam<ValCase>
{
};

TEST_P(VbValTest, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(vbVal(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, VbValTest,
                         ::testing::Values(ValCase{"7800", 7800}, ValCase{"8000,5", 8000}, ValCase{"  12 34x", 1234},
                                           ValCase{"-1.5e3", -1500}, ValCase{"2D2", 200}, ValCase{".5", 0.5},
                                           ValCase{"&H1F", 31}, ValCase{"&o17", 15}, ValCase{"", 0}, ValCase{"abc", 0},
                                           ValCase{"-", 0}, ValCase{"3e", 3}));

} // namespace
