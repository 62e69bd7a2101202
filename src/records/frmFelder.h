// The field-selection dialog: a checked list of ACT! fields from which the user chooses the fields
// of the contact or group table. It keeps the list, sorts it on request and reports OK or cancel;
// the record classes fill it and read it.
#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QTreeWidget;

namespace records {

class frmFelder final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFelder)

public:
    explicit frmFelder(QWidget *parent = nullptr);

    // The program-wide instance, loaded on first use.
    static frmFelder &instance();
    // Unloads the instance (its list and marker are gone; the next use loads a fresh one).
    static void Unload();

    QGroupBox *frFelder() const { return m_frFelder; }
    QTreeWidget *lvFelder() const { return m_lvFelder; }
    QPushButton *cmdOk() const { return m_cmdOk; }
    QPushButton *cmdAbbruch() const { return m_cmdAbbruch; }

    // The result marker: "*" after OK, "" after cancel.
    QString cmdOkTag() const { return m_okTag; }

    // The list's items: key "ACTFieldID|n", text the label, tag the FieldTypeCode as text ("" when
    // the field's type is not supported), checked when chosen.
    void clearItems();
    void addItem(const QString &key, const QString &text, const QString &tag);
    int itemCount() const;
    int indexOfKey(const QString &key) const;
    void removeItem(int index);
    QString itemKey(int index) const;
    QString itemText(int index) const;
    void setItemText(int index, const QString &text);
    QString itemTag(int index) const;
    bool isChecked(int index) const;
    void setChecked(int index, bool checked);
    int checkedCount() const;

    // The header click: the first sorts by label ascending, each later one flips the order.
    void lvFelder_ColumnClick();
    void cmdOk_Click();
    void cmdAbbruch_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *m_frFelder;
    QTreeWidget *m_lvFelder;
    QPushButton *m_cmdOk;
    QPushButton *m_cmdAbbruch;
    QString m_okTag;
    bool m_sorted = false;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};

} // namespace records
