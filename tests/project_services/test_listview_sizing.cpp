// Column sizing: every text fits its column, the header counts only when asked, and the first
// column of a list with small icons gets 16 pixels more.
#include "project/modListviewSort.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPixmap>
#include <QTableWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace project;

namespace {

std::unique_ptr<QTreeWidget> filledList(bool withIcons)
{
    auto list = std::make_unique<QTreeWidget>();
    list->setRootIsDecorated(false);
    list->setHeaderLabels({"Tabelle", "Datei mit einem sehr langen Spaltenkopf", "Datum"});
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    const QStringList rows[] = {{"Kontakte", "x.fox", "1.1.1970"},
                                {QString::fromUtf8("Aufträge mit langem Namen"), "y.fox", "24.12.2025 18:30:00"}};
    for (const QStringList &texts : rows) {
        auto *item = new QTreeWidgetItem(list.get(), texts);
        if (withIcons)
            item->setIcon(0, QIcon(pixmap));
    }
    if (withIcons)
        list->setIconSize(QSize(16, 16));
    list->resize(200, 150);
    for (int c = 0; c < 3; ++c)
        list->setColumnWidth(c, 10);
    return list;
}

int textWidth(const QWidget &w, const QString &text)
{
    return QFontMetrics(w.font()).horizontalAdvance(text);
}

TEST(ListViewSizing, AllColumnsFitTheirLongestTextAndHeader)
{
    auto list = filledList(false);
    AutoSizeAllColumns(list.get());
    EXPECT_GE(list->columnWidth(0), textWidth(*list, QString::fromUtf8("Aufträge mit langem Namen")));
    EXPECT_GE(list->columnWidth(1), textWidth(*list, "Datei mit einem sehr langen Spaltenkopf"));
    EXPECT_GE(list->columnWidth(2), textWidth(*list, "24.12.2025 18:30:00"));
    // Fitted, not merely widened: the short column stays far narrower than the long header.
    EXPECT_LT(list->columnWidth(2), list->columnWidth(1));
}

TEST(ListViewSizing, WithoutHeaderTheContentsAloneDecide)
{
    auto list = filledList(false);
    AutoSizeColumn(list.get(), 2, false);
    EXPECT_GE(list->columnWidth(1), textWidth(*list, "y.fox"));
    EXPECT_LT(list->columnWidth(1), textWidth(*list, "Datei mit einem sehr langen Spaltenkopf"));
    AutoSizeColumn(list.get(), 2, true);
    EXPECT_GE(list->columnWidth(1), textWidth(*list, "Datei mit einem sehr langen Spaltenkopf"));
}

TEST(ListViewSizing, SmallIconsWidenOnlyTheFirstColumnBy16Pixels)
{
    auto withIcons = filledList(true);
    AutoSizeAllColumns(withIcons.get());
    const QAbstractItemView *view = withIcons.get();
    const QHeaderView *header = withIcons->header();
    EXPECT_EQ(withIcons->columnWidth(0), std::max(view->sizeHintForColumn(0), header->sectionSizeHint(0)) + 16);
    EXPECT_EQ(withIcons->columnWidth(2), std::max(view->sizeHintForColumn(2), header->sectionSizeHint(2)));
    EXPECT_GE(withIcons->columnWidth(0), 16 + textWidth(*withIcons, QString::fromUtf8("Aufträge mit langem Namen")));
}

TEST(ListViewSizing, ListWithoutColumnsOrWithAnOutOfRangeColumnIsLeftAlone)
{
    QTreeWidget empty;
    empty.setColumnCount(0);
    AutoSizeAllColumns(&empty);
    EXPECT_EQ(empty.header()->count(), 0);

    auto list = filledList(false);
    const int widths[] = {list->columnWidth(0), list->columnWidth(1), list->columnWidth(2)};
    AutoSizeColumn(list.get(), 0, true);
    AutoSizeColumn(list.get(), 4, true);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(list->columnWidth(c), widths[c]);
    EXPECT_LT(widths[0], textWidth(*list, "Kontakte")); // so a wrong column would have been sized
}

TEST(ListViewSizing, TableViewsAreSizedToo)
{
    QTableWidget table(1, 2);
    table.setHorizontalHeaderLabels({"A", "B"});
    table.setItem(0, 0, new QTableWidgetItem("ein recht langer Zelltext"));
    table.setItem(0, 1, new QTableWidgetItem("kurz"));
    AutoSizeAllColumns(&table);
    EXPECT_GE(table.columnWidth(0), textWidth(table, "ein recht langer Zelltext"));
    EXPECT_LT(table.columnWidth(1), table.columnWidth(0));
}

} // namespace
