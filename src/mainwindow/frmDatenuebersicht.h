// The data overview: the project's ACT! database with its users, and for each ACT! table kind how
// old the table in the project is against its ACT! file.
#pragma once

#include "DatenuebersichtData.h"

#include <QDialog>
#include <QHash>
#include <QIcon>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace mainwindow {

class frmDatenuebersicht final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDatenuebersicht)

public:
    explicit frmDatenuebersicht(QWidget *parent = nullptr);

    // Fills the window from its designed state; call once on a freshly made window.
    void Fill(const DatenuebersichtData &data);

    // The text of the "Projektdatei" column for one row.
    static QString ProjectFileText(const DatenuebersichtRow &row, bool projectSaved);

    QLineEdit *txbACTDBPfad() const { return m_txbACTDBPfad; }
    QLineEdit *txbACTDBName() const { return m_txbACTDBName; }
    QLineEdit *txbACTDBUser() const { return m_txbACTDBUser; }
    QComboBox *cbxUserliste() const { return m_cbxUserliste; }
    QLabel *lbBenutzeranzahl() const { return m_lbBenutzeranzahl; }
    QTreeWidget *lvDaten() const { return m_lvDaten; }
    QPushButton *cmdOK() const { return m_cmdOK; }
    // ilIcons: the small picture of a key ("Leer", "Kontakte", "Notizen", "Aufträge", "Aufgaben", "Gruppen").
    QIcon icon(const QString &key) const { return m_ilIcons.value(key); }

private:
    QGroupBox *buildDatabaseFrame();
    QGroupBox *buildDataFrame();
    void buildIcons();
    void widenToColumns();
    void cmdOK_Click();

    QLineEdit *m_txbACTDBPfad = nullptr;
    QLineEdit *m_txbACTDBName = nullptr;
    QLineEdit *m_txbACTDBUser = nullptr;
    QComboBox *m_cbxUserliste = nullptr;
    QLabel *m_lbBenutzeranzahl = nullptr;
    QTreeWidget *m_lvDaten = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QHash<QString, QIcon> m_ilIcons;
};

} // namespace mainwindow
