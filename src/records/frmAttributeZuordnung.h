// The attribute link dialog: the user picks the attribute of the external table and the attribute
// of the contact table whose values match; on OK the two import names go into the external-data
// record object and the project's external-data descriptor.
#pragma once

#include <QDialog>
#include <QStringList>

class InfoZoomTable;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace project {
class clFOX;
}

namespace records {

class RecordClassBase;

class frmAttributeZuordnung final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAttributeZuordnung)

public:
    // Loading: both lists filled from the tables, each with the stored link preselected.
    // adoDaten and foxADODaten must outlive the dialog.
    frmAttributeZuordnung(RecordClassBase &adoDaten, project::clFOX &foxADODaten, InfoZoomTable *kontaktTable,
                          InfoZoomTable *extraTable, QWidget *parent = nullptr);

    // The result marker: "*" after OK, "" after cancel.
    QString cmdOKTag() const { return m_okTag; }
    void cmdOK_Click();
    void cmdAbbruch_Click();

    // The import names parallel to the entries of each list.
    QStringList KontaktNames() const { return m_kontaktNames; }
    QStringList ADODatenNames() const { return m_adoDatenNames; }

    QGroupBox *frExterneDaten() const { return m_frExterneDaten; }
    QComboBox *cbxADODatenAttribut() const { return m_cbxADODatenAttribut; }
    QGroupBox *frKontakt() const { return m_frKontakt; }
    QComboBox *cbxKontaktAttribut() const { return m_cbxKontaktAttribut; }
    QPushButton *cmdOK() const { return m_cmdOK; }
    QPushButton *cmdAbbruch() const { return m_cmdAbbruch; }

protected:
    void reject() override;

private:
    void buildUi();
    // Fills a list with the table's attributes (not folders) and "<< Keine Zuordnung >>"; returns
    // the import names. The last attribute whose import name is preselect gets the selection.
    static QStringList FillList(QComboBox *list, InfoZoomTable *table, const QString &preselect);

    RecordClassBase &m_adoDaten;
    project::clFOX &m_foxADODaten;
    QGroupBox *m_frExterneDaten = nullptr;
    QComboBox *m_cbxADODatenAttribut = nullptr;
    QGroupBox *m_frKontakt = nullptr;
    QComboBox *m_cbxKontaktAttribut = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdAbbruch = nullptr;
    QStringList m_kontaktNames;
    QStringList m_adoDatenNames;
    QString m_okTag;
};

} // namespace records
