// The page set-up for a printer that prints into a PDF file, which Qt's own page dialog does not
// serve: paper size, orientation and margins, taken over by the printer on OK.
#pragma once

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QPrinter;

class PageSetupDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageSetupDialog)

public:
    // Shows the printer's page layout; the printer must outlive the dialog.
    explicit PageSetupDialog(QPrinter *printer, QWidget *parent = nullptr);

    QComboBox *cbxPapier() const { return m_cbxPapier; }
    QComboBox *cbxAusrichtung() const { return m_cbxAusrichtung; }
    // Left, top, right, bottom, in millimetres.
    QDoubleSpinBox *margin(int side) const { return m_margins[side]; }

    void accept() override;

private:
    QPrinter *m_printer;
    QComboBox *m_cbxPapier;
    QComboBox *m_cbxAusrichtung;
    QDoubleSpinBox *m_margins[4];
};
