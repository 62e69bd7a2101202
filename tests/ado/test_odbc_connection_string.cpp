// Reading and writing ODBC connection strings.
#include "ado/OdbcConnectionString.h"

#include <gtest/gtest.h>

using ado::OdbcConnectionString;

TEST(OdbcConnectionString, ReadsPlainAndBracedValues)
{
    const OdbcConnectionString s(
        QStringLiteral("Driver={PostgreSQL Unicode};Server=127.0.0.1; Port = 5432 ;PWD={a;b=c}}d};Database=db"));
    EXPECT_EQ(s.value(QStringLiteral("driver")), QStringLiteral("PostgreSQL Unicode"));
    EXPECT_EQ(s.value(QStringLiteral("SERVER")), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(s.value(QStringLiteral("Port")), QStringLiteral("5432"));
    EXPECT_EQ(s.value(QStringLiteral("pwd")), QStringLiteral("a;b=c}d"));
    EXPECT_EQ(s.value(QStringLiteral("Database")), QStringLiteral("db"));
    EXPECT_EQ(s.items().size(), 5);
}

TEST(OdbcConnectionString, WritesValuesBackSoTheyReadTheSame)
{
    OdbcConnectionString s;
    s.setValue(QStringLiteral("Driver"), QStringLiteral("PostgreSQL Unicode"));
    s.setValue(QStringLiteral("PWD"), QStringLiteral("ge}heim;1"));
    s.setValue(QStringLiteral("Database"), QStringLiteral("/tmp/a.db"));
    EXPECT_EQ(s.toString(), QStringLiteral("Driver={PostgreSQL Unicode};PWD={ge}}heim;1};Database=/tmp/a.db"));
    const OdbcConnectionString again(s.toString());
    EXPECT_EQ(again.value(QStringLiteral("PWD")), QStringLiteral("ge}heim;1"));
}

TEST(OdbcConnectionString, SetValueKeepsPositionAndSpellingOfTheKey)
{
    OdbcConnectionString s(QStringLiteral("DSN=x;uid=alt;NoCreat=1"));
    s.setValue(QStringLiteral("UID"), QStringLiteral("neu"));
    EXPECT_EQ(s.toString(), QStringLiteral("DSN=x;uid=neu;NoCreat=1"));
    s.remove(QStringLiteral("NOCREAT"));
    EXPECT_EQ(s.toString(), QStringLiteral("DSN=x;uid=neu"));
}

TEST(OdbcConnectionString, SkipsItemsWithoutValueAndEmptyItems)
{
    const OdbcConnectionString s(QStringLiteral(";;Unsinn;Server=a;;"));
    ASSERT_EQ(s.items().size(), 1);
    EXPECT_EQ(s.value(QStringLiteral("Server")), QStringLiteral("a"));
    EXPECT_TRUE(OdbcConnectionString(QString()).isEmpty());
}
