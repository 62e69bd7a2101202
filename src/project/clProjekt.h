// The project of one analysis: its name, project file and folder, the ACT! database it belongs
// to, and whether it was saved or changed since. One object exists at a time (modHaupt::Projekt).
#pragma once

#include <QString>

namespace project {

class clProjekt
{
public:
    clProjekt();

    // The project name; also the base of the project file's and every table file's name.
    // Setting it does not mark the project changed.
    QString Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    // Full path of the ACT! database's main file (.dbf). Setting it does not mark the project changed.
    QString ACTDatenbank() const { return m_actDatenbank; }
    void setACTDatenbank(const QString &path) { m_actDatenbank = path; }

    // ACT! user name used with this project. Setting it marks the project changed.
    QString ACTBenutzername() const { return m_actBenutzername; }
    void setACTBenutzername(const QString &user);

    // Full path of the project file, and the project folder without a trailing separator
    // ("" = no folder chosen yet). Setting either does not mark the project changed.
    QString Datei() const { return m_datei; }
    void setDatei(const QString &path) { m_datei = path; }
    QString Ordner() const { return m_ordner; }
    void setOrdner(const QString &folder) { m_ordner = folder; }

    // True after a successful open or save.
    bool IsSaved() const { return m_isSaved; }
    // The project's own changed flag or that of any table descriptor.
    bool IsChanged() const;

    // Marks the project changed (the user changed a table's attributes or rows).
    void DataChanged() { m_projektChanged = true; }

    // Clears the saved and changed flags and puts the object back into its initial state.
    void CloseProjekt();

private:
    void resetFields();

    QString m_name;
    QString m_datei;
    QString m_ordner;
    QString m_actDatenbank;
    QString m_actBenutzername;
    bool m_isSaved = false;
    bool m_projektChanged = false;
};

} // namespace project
