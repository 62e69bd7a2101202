// The keyed collection under the frequency count: positions from 1, keys without regard to case,
// and the errors of a wrong position or key.
#include "mainwindow/clHistItems.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using mainwindow::clHistItem;
using mainwindow::clHistItems;

namespace {

long errorNumber(const std::function<void()> &call)
{
    try {
        call();
    } catch (const platform::VbError &error) {
        return error.number();
    }
    return 0;
}

QStringList values(const clHistItems &items)
{
    QStringList result;
    for (const clHistItem &item : items)
        result << item.Value();
    return result;
}

} // namespace

TEST(HistItems, PositionsFromOneInInsertionOrder)
{
    clHistItems items;
    items.Add(QStringLiteral("x"), 1, QString());
    items.Add(QStringLiteral("y"), 5, QStringLiteral("t"));
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Item(1).Value(), QStringLiteral("x"));
    EXPECT_EQ(items.Item(2).Count(), 5);
    EXPECT_EQ(items.Item(2).Tag(), QStringLiteral("t"));
    EXPECT_EQ(errorNumber([&] { items.Item(0); }), 9);
    EXPECT_EQ(errorNumber([&] { items.Item(3); }), 9);
}

TEST(HistItems, KeysIgnoreCaseAndMustBeUnique)
{
    clHistItems items;
    items.Add(QStringLiteral("eins"), 1, QString(), QStringLiteral("Key"));
    EXPECT_EQ(items.Item(QStringLiteral("KEY")).Value(), QStringLiteral("eins"));
    EXPECT_EQ(errorNumber([&] { items.Add(QStringLiteral("zwei"), 1, QString(), QStringLiteral("key")); }), 457);
    EXPECT_EQ(items.Count(), 1);
    EXPECT_EQ(errorNumber([&] { items.Item(QStringLiteral("other")); }), 5);
}

TEST(HistItems, RemoveByPositionOrKeyKeepsTheOthersFindable)
{
    clHistItems items;
    items.Add(QStringLiteral("a"), 1, QString(), QStringLiteral("ka"));
    items.Add(QStringLiteral("b"), 1, QString());
    items.Add(QStringLiteral("c"), 1, QString(), QStringLiteral("kc"));
    items.Remove(1);
    EXPECT_EQ(values(items), QStringList({"b", "c"}));
    EXPECT_EQ(items.Item(QStringLiteral("kc")).Value(), QStringLiteral("c"));
    EXPECT_EQ(errorNumber([&] { items.Item(QStringLiteral("ka")); }), 5);
    items.Remove(QStringLiteral("KC"));
    EXPECT_EQ(values(items), QStringList({"b"}));
    // The key is free again.
    items.Add(QStringLiteral("d"), 1, QString(), QStringLiteral("kc"));
    EXPECT_EQ(errorNumber([&] { items.Remove(5); }), 9);
}
