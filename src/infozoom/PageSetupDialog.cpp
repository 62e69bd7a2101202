// The page set-up for a PDF printer.
#include "PageSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QPageSize::PageSizeId kPaperSizes[] = {QPageSize::A4,     QPageSize::A3,    QPageSize::A5,
                                             QPageSize::Letter, QPageSize::Legal, QPageSize::B5};

// No margin so wide that the smallest paper offered (A5) would keep no room to print on.
constexpr double kMaxMarginMm = 50;

} // namespace

PageSetupDialog::PageSetupDialog(QPrinter *printer, QWidget *parent)
    : QDialog(parent), m_printer(printer), m_cbxPapier(new QComboBox(this)), m_cbxAusrichtung(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Seite einrichten"));
    const QPageLayout layout = printer->pageLayout();
    for (QPageSize::PageSizeId id : kPaperSizes)
        m_cbxPapier->addItem(QPageSize::name(id), int(id));
    const int paper = m_cbxPapier->findData(int(layout.pageSize().id()));
    m_cbxPapier->setCurrentIndex(paper < 0 ? 0 : paper);
    m_cbxAusrichtung->addItem(QStringLiteral("Hochformat"), int(QPageLayout::Portrait));
    m_cbxAusrichtung->addItem(QStringLiteral("Querformat"), int(QPageLayout::Landscape));
    m_cbxAusrichtung->setCurrentIndex(layout.orientation() == QPageLayout::Landscape ? 1 : 0);

    auto *paperBox = new QGroupBox(QStringLiteral("Papier"), this);
    auto *paperForm = new QFormLayout(paperBox);
    paperForm->addRow(QStringLiteral("Format:"), m_cbxPapier);
    paperForm->addRow(QStringLiteral("Ausrichtung:"), m_cbxAusrichtung);

    auto *marginBox = new QGroupBox(QStringLiteral("Ränder (Millimeter)"), this);
    auto *marginForm = new QFormLayout(marginBox);
    const QMarginsF mm = layout.margins(QPageLayout::Millimeter);
    const double values[4] = {mm.left(), mm.top(), mm.right(), mm.bottom()};
    const char *labels[4] = {"Links:", "Oben:", "Rechts:", "Unten:"};
    for (int side = 0; side < 4; ++side) {
        m_margins[side] = new QDoubleSpinBox(marginBox);
        m_margins[side]->setRange(0, kMaxMarginMm);
        m_margins[side]->setDecimals(1);
        m_margins[side]->setValue(values[side]);
        marginForm->addRow(QString::fromUtf8(labels[side]), m_margins[side]);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PageSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PageSetupDialog::reject);

    auto *main = new QVBoxLayout(this);
    main->addWidget(paperBox);
    main->addWidget(marginBox);
    main->addWidget(buttons);
}

void PageSetupDialog::accept()
{
    const QMarginsF margins(m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value());
    m_printer->setPageLayout(QPageLayout(QPageSize(QPageSize::PageSizeId(m_cbxPapier->currentData().toInt())),
                                         QPageLayout::Orientation(m_cbxAusrichtung->currentData().toInt()), margins,
                                         QPageLayout::Millimeter));
    QDialog::accept();
}
