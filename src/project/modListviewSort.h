// Fits the columns of a report-style list (a QTreeView or QTableView, such as QTreeWidget) to
// their contents after the list was filled.
#pragma once

class QAbstractItemView;

namespace project {

// Fits column Column (counted from 1) to its contents, or with UseHeader to the wider of header
// text and contents. A view with an icon size set (the small-icon list of its rows) gets its first
// column 16 pixels wider still, so the icon in front of each first text never hides the text's end.
// A column that does not exist is left alone.
void AutoSizeColumn(QAbstractItemView *listView, int column, bool useHeader);

// Reads the number of columns once and fits each, first to last, with the header counted.
void AutoSizeAllColumns(QAbstractItemView *listView);

} // namespace project
