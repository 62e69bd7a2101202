// The table content as the record classes use it: attributes and folders, rows and values.
#include "TableFixture.h"

#include "platform/VbError.h"

#include <QCollator>
#include <QHash>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace {

// The callers' depth-first search by import name (first hit wins, folders searched in place).
InfoZoomAttribute findAttribute(InfoZoomAttributes level, const QString &importName)
{
    for (int i = 0; i < level.Count(); ++i) {
        InfoZoomAttributeNode node = level.Item(i);
        if (node.NodeType() == 2) {
            InfoZoomAttribute inner = findAttribute(node.Attributes(), importName);
            if (!inner.isNull())
                return inner;
        } else if (node.ImportName() == importName) {
            return node;
        }
    }
    return {};
}

long errorNumberOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const platform::VbError &e) {
        EXPECT_FALSE(e.description().isEmpty());
        return e.number();
    }
    return 0;
}

} // namespace

TEST(InfoZoomAttributesTree, AddPutsTheNewAttributeLastInTheFlatList)
{
    InfoZoomTable table;
    InfoZoomAttributes top = table.Attributes();
    top.Add(QStringLiteral("A"));
    InfoZoomAttributeNode folder = top.AddFolder(QStringLiteral("Ordner"));
    folder.Attributes().Add(QStringLiteral("B"));
    InfoZoomAttribute c = top.Add(QStringLiteral("C"));
    ASSERT_EQ(table.AttributeList().Count(), 4);
    EXPECT_EQ(table.AttributeItem(0).Name(), "A");
    EXPECT_EQ(table.AttributeItem(1).Name(), "Ordner");
    EXPECT_EQ(table.AttributeItem(1).NodeType(), 2);
    EXPECT_EQ(table.AttributeItem(2).Name(), "B");
    EXPECT_EQ(table.AttributeItem(3), c);
    EXPECT_EQ(table.AttributeItem(3).NodeType(), 1);
    EXPECT_EQ(top.Count(), 3);
}

TEST(InfoZoomAttributesTree, ReReadFindsAttributesByImportNameAndKeepsTheUsersName)
{
    InfoZoomTable table;
    fillSample(table);
    InfoZoomAttribute ort = attributeNamed(table, QStringLiteral("Ort"));
    ort.setName(QStringLiteral("Wohnort"));
    table.DeleteAllObjects();
    const int before = table.AttributeList().Count();
    InfoZoomAttribute again = findAttribute(table.Attributes(), QStringLiteral("ACTFieldID|2"));
    ASSERT_FALSE(again.isNull());
    EXPECT_EQ(again, ort);
    EXPECT_EQ(again.Name(), "Wohnort");
    EXPECT_EQ(table.AttributeList().Count(), before);
    EXPECT_EQ(table.Objects().Count(), 0);
}

TEST(InfoZoomAttributesTree, SearchFindsAnAttributeInsideAFolderBeforeLaterOnes)
{
    InfoZoomTable table;
    InfoZoomAttributes top = table.Attributes();
    InfoZoomAttributeNode folder = top.AddFolder(QStringLiteral("Adresse"));
    InfoZoomAttributeNode inner = folder.Attributes().AddFolder(QStringLiteral("Ort"));
    InfoZoomAttribute deep = inner.Attributes().Add(QStringLiteral("PLZ"));
    deep.setImportName(QStringLiteral("ACTFieldID|7"));
    InfoZoomAttribute later = top.Add(QStringLiteral("PLZ alt"));
    later.setImportName(QStringLiteral("ACTFieldID|7"));
    EXPECT_EQ(findAttribute(top, QStringLiteral("ACTFieldID|7")), deep);
    EXPECT_TRUE(findAttribute(top, QStringLiteral("actfieldid|7")).isNull());
}

TEST(InfoZoomAttributesTree, DeletingAFolderRemovesItsEntriesAndOldHandlesRaise91)
{
    InfoZoomTable table;
    InfoZoomAttributeNode folder = table.Attributes().AddFolder(QStringLiteral("F"));
    InfoZoomAttribute inside = folder.Attributes().Add(QStringLiteral("X"));
    table.Attributes().Add(QStringLiteral("Kennwert"));
    table.DeleteAttribute(folder, true, true);
    ASSERT_EQ(table.AttributeList().Count(), 1);
    EXPECT_EQ(table.AttributeItem(0).Name(), "Kennwert");
    EXPECT_EQ(errorNumberOf([&] { inside.Name(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { table.AttributeItem(1); }), 9);
}

TEST(InfoZoomAttributesTree, AFolderIsNoAttribute)
{
    InfoZoomTable table;
    InfoZoomAttributeNode folder = table.Attributes().AddFolder(QStringLiteral("F"));
    EXPECT_EQ(errorNumberOf([&] { InfoZoomAttribute a = folder; }), 13);
    InfoZoomAttribute a = table.Attributes().Add(QStringLiteral("A"));
    EXPECT_EQ(errorNumberOf([&] { a.Attributes(); }), 438);
}

TEST(InfoZoomAttributesTree, NewTableLeavesNoAttributesAndNoRows)
{
    InfoZoomTable table;
    fillSample(table);
    table.NewTable();
    EXPECT_EQ(table.AttributeList().Count(), 0);
    EXPECT_EQ(table.Objects().Count(), 0);
    EXPECT_TRUE(table.QueryText().isEmpty());
}

TEST(InfoZoomValuesStore, WholeNumbersStayNumbersAndTextsStayTexts)
{
    InfoZoomTable table;
    InfoZoomAttribute a = table.Attributes().Add(QStringLiteral("A"));
    InfoZoomObjects objects = table.Objects();
    InfoZoomObject n = objects.Add();
    InfoZoomObject t = objects.Add();
    InfoZoomObject empty = objects.Add();
    n.setValue(a, 42);
    t.setValue(a, QStringLiteral("42"));
    EXPECT_EQ(n.Value(a).typeId(), QMetaType::Int);
    EXPECT_EQ(n.Value(a).toInt(), 42);
    EXPECT_EQ(t.Value(a).typeId(), QMetaType::QString);
    EXPECT_EQ(empty.Value(a).toString(), QString());
    n.setValue(a, QString());
    EXPECT_EQ(n.Value(a).toString(), QString());
}

TEST(InfoZoomValuesStore, NumbersSortAsNumbers)
{
    InfoZoomTable table;
    fillSample(table);
    InfoZoomAttribute anzahl = attributeNamed(table, QStringLiteral("Anzahl"));
    table.SortBy(anzahl, true);
    EXPECT_EQ(namesOf(table, table.CurrentObjects()),
              QStringList({"Dieter", "Frank", "Anna", "Clara", "Bernd", "Eva"}));
    table.SortBy(anzahl, false);
    EXPECT_EQ(namesOf(table, table.CurrentObjects()).first(), "Bernd");
}

TEST(InfoZoomValuesStore, GermanTextsSortWithUmlautsInPlace)
{
    InfoZoomTable table;
    fillSample(table);
    table.SortBy(attributeNamed(table, QStringLiteral("Ort")), true);
    InfoZoomAttribute ort = attributeNamed(table, QStringLiteral("Ort"));
    InfoZoomObjects view = table.CurrentObjects();
    QStringList orte;
    for (int i = 0; i < view.Count(); ++i)
        orte << view.NextObject().Value(ort).toString();
    EXPECT_EQ(orte, QStringList({"Berlin", "Berlin", "Berlin", "Hamburg", "Hamburg", "München"}));
}

// Enough distinct texts that their order is worked out on several threads; the view must still
// come out exactly as one comparison sort by the German collator orders it: empty cells first, then
// numbers by value, then texts (case-insensitive, digit runs as numbers), equal ones in row order.
TEST(InfoZoomValuesStore, ALargeSortKeepsTheCollatorsOrderInBothDirections)
{
    InfoZoomTable table;
    InfoZoomAttribute value = table.Attributes().Add(QStringLiteral("Wert"));
    InfoZoomAttribute row = table.Attributes().Add(QStringLiteral("Zeile"));
    const QStringList stems = {"Müller", "muller", "Mueller", "Öl", "Ol", "Zander", "äpfel", "Apfel", "ß", "ss"};
    InfoZoomObjects objects = table.Objects();
    std::vector<QVariant> cells;
    for (int i = 0; i < 90'000; ++i) {
        QVariant cell;
        if (i % 97 == 0)
            cell = QString();
        else if (i % 13 == 0)
            cell = (i * 7919) % 500 - 250;
        else
            cell = stems[i % stems.size()] + QStringLiteral(" %1").arg((i * 31) % 45'000);
        InfoZoomObject o = objects.Add();
        o.setValue(value, cell);
        o.setValue(row, i);
        cells.push_back(cell);
    }
    // The reference: distinct values in the order they first appear, ordered by one comparison sort
    // (collator ties such as "ß" and "ss" keep that order), then the rows by their value's rank.
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    auto group = [](const QVariant &v) {
        return v.typeId() == QMetaType::QString ? (v.toString().isEmpty() ? 0 : 2) : 1;
    };
    std::vector<QVariant> distinct;
    std::vector<size_t> codeOfRow;
    QHash<QString, size_t> codes;
    for (const QVariant &cell : cells) {
        const QString key = QString::number(group(cell)) + cell.toString();
        auto it = codes.find(key);
        if (it == codes.end()) {
            it = codes.insert(key, distinct.size());
            distinct.push_back(cell);
        }
        codeOfRow.push_back(*it);
    }
    std::vector<size_t> byValue(distinct.size());
    std::iota(byValue.begin(), byValue.end(), 0);
    std::stable_sort(byValue.begin(), byValue.end(), [&](size_t a, size_t b) {
        const QVariant &x = distinct[a], &y = distinct[b];
        if (group(x) != group(y))
            return group(x) < group(y);
        if (group(x) == 1)
            return x.toInt() < y.toInt();
        return group(x) == 2 && collator.compare(x.toString(), y.toString()) < 0;
    });
    std::vector<size_t> rank(distinct.size());
    for (size_t r = 0; r < byValue.size(); ++r)
        rank[byValue[r]] = r;
    auto expected = [&](bool ascending) {
        std::vector<int> order(cells.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const size_t ra = rank[codeOfRow[size_t(a)]], rb = rank[codeOfRow[size_t(b)]];
            return ascending ? ra < rb : rb < ra;
        });
        return order;
    };
    auto viewOrder = [&] {
        std::vector<int> order;
        InfoZoomObjects view = table.CurrentObjects();
        for (int i = 0; i < view.Count(); ++i)
            order.push_back(view.NextObject().Value(row).toInt());
        return order;
    };
    table.SortBy(value, true);
    EXPECT_EQ(viewOrder(), expected(true));
    table.SortBy(value, false);
    EXPECT_EQ(viewOrder(), expected(false));
}

TEST(InfoZoomRows, WalkThatDeletesSelectedRowsVisitsEveryRowOnce)
{
    InfoZoomTable table;
    fillSample(table);
    attributeNamed(table, QStringLiteral("Ort")).SelectValue(QStringLiteral("Berlin"), true);
    InfoZoomAttribute name = attributeNamed(table, QStringLiteral("Name"));
    InfoZoomObjects all = table.Objects();
    all.Reset();
    const int rows = all.Count();
    QStringList visited;
    for (int i = 0; i < rows; ++i) {
        InfoZoomObject row = all.NextObject();
        ASSERT_FALSE(row.isNull());
        visited << row.Value(name).toString();
        if (row.IsSelected(name))
            row.Delete();
    }
    EXPECT_EQ(visited.size(), 6);
    EXPECT_EQ(all.Count(), 3);
    EXPECT_EQ(namesOf(table, table.Objects()), QStringList({"Bernd", "Dieter", "Frank"}));
}

TEST(InfoZoomRows, HandlesOfRowsGoneRaise91)
{
    InfoZoomTable table;
    fillSample(table);
    InfoZoomObjects all = table.Objects();
    InfoZoomObject first = all.NextObject();
    InfoZoomAttribute name = attributeNamed(table, QStringLiteral("Name"));
    first.Delete();
    EXPECT_EQ(errorNumberOf([&] { first.Value(name); }), 91);
    InfoZoomObject second = all.NextObject();
    table.DeleteAllObjects();
    EXPECT_EQ(errorNumberOf([&] { second.setValue(name, QStringLiteral("x")); }), 91);
    EXPECT_TRUE(all.NextObject().isNull());
}

TEST(InfoZoomRows, AnAttributeOfAnotherTableIsRefused)
{
    InfoZoomTable one;
    InfoZoomTable two;
    fillSample(one);
    InfoZoomAttribute foreign = two.Attributes().Add(QStringLiteral("Name"));
    InfoZoomObject row = one.Objects().NextObject();
    EXPECT_EQ(errorNumberOf([&] { row.setValue(foreign, 1); }), 91);
}

TEST(InfoZoomRows, HandlesOutliveTheirTable)
{
    InfoZoomAttribute kept;
    InfoZoomObject row;
    {
        InfoZoomTable table;
        fillSample(table);
        kept = attributeNamed(table, QStringLiteral("Name"));
        row = table.Objects().NextObject();
    }
    EXPECT_EQ(errorNumberOf([&] { kept.Name(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { row.Value(kept); }), 91);
}
