// Column sizing of list views over Qt's item views.
#include "modListviewSort.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

namespace project {

namespace {

constexpr int kSmallIconExtra = 16;

QHeaderView *columnHeader(QAbstractItemView *view)
{
    if (auto *tree = qobject_cast<QTreeView *>(view))
        return tree->header();
    if (auto *table = qobject_cast<QTableView *>(view))
        return table->horizontalHeader();
    return nullptr;
}

int columnCount(QAbstractItemView *view)
{
    QHeaderView *header = columnHeader(view);
    return header ? header->count() : 0;
}

bool hasSmallIcons(const QAbstractItemView *view)
{
    const QSize size = view->iconSize();
    return size.isValid() && !size.isEmpty();
}

} // namespace

void AutoSizeColumn(QAbstractItemView *listView, int column, bool useHeader)
{
    QHeaderView *header = listView ? columnHeader(listView) : nullptr;
    const int index = column - 1;
    if (!header || index < 0 || index >= header->count())
        return;
    int width = listView->sizeHintForColumn(index);
    if (useHeader && !header->isHidden())
        width = std::max(width, header->sectionSizeHint(index));
    if (width < 0)
        return; // no rows and no header to measure
    if (index == 0 && hasSmallIcons(listView))
        width += kSmallIconExtra;
    header->resizeSection(index, width);
}

void AutoSizeAllColumns(QAbstractItemView *listView)
{
    if (!listView)
        return;
    const int count = columnCount(listView);
    for (int i = 1; i <= count; ++i)
        AutoSizeColumn(listView, i, true);
}

} // namespace project
