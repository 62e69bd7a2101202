// Printing of a table: the rows of the current view under a header of attribute names, paged, with
// the query text on top and page numbers below; a table wider than the page goes on in further
// strips of pages. Dialogs go through the UI services.
#pragma once

#include <QString>
#include <memory>

class InfoZoomTable;
class QPrinter;
class QWidget;

class TablePrinter
{
public:
    TablePrinter();
    ~TablePrinter();
    TablePrinter(const TablePrinter &) = delete;
    TablePrinter &operator=(const TablePrinter &) = delete;

    // The print dialog, then the printout; without an installed printer the user picks a PDF file.
    // A printout that cannot be made raises error 482 with a German description. Returns the file
    // written when the printout went into a file, else "".
    QString printOut(InfoZoomTable &table, QWidget *parent);
    void preview(InfoZoomTable &table, QWidget *parent);
    void pageSetup(QWidget *parent);

    // Paints the table onto a printer that is set up already; returns the number of pages.
    static int render(InfoZoomTable &table, QPrinter &printer);

private:
    std::unique_ptr<QPrinter> m_printer;
};
