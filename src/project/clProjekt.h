// The project of one analysis: its name, project file and folder, the ACT! database it belongs to,
// one table descriptor per kind of data, and the project file (an INI file, extension "dlx") that
// records them. One object exists at a time (modHaupt::Projekt).
#pragma once

#include "clFOX.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <utility>

class InfoZoomControl;

namespace platform {
class FileTransaction;
}

namespace project {

class IniDocument;
class IniFileText;

class clProjekt
{
public:
    clProjekt();
    ~clProjekt();
    clProjekt(const clProjekt &) = delete;
    clProjekt &operator=(const clProjekt &) = delete;

    // The kinds of data in the fixed order of the project file: "Kontakte", "Notizen", "Aufträge",
    // "Aufgaben", "ADODaten", "Gruppen".
    static const QStringList &TableKinds();
    // Folder/Name_Kind.fox: where the table file of a kind lies.
    static QString TableFilePath(const QString &folder, const QString &name, const QString &kind);
    // The two tables that SaveProjekt writes, the upper (contacts) and the lower one; set once by the
    // main window. Without them only the project file is written.
    static void setDisplayedTables(InfoZoomControl *upper, InfoZoomControl *lower);

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

    // True after a successful open or save.
    bool IsSaved() const { return m_isSaved; }
    // The project's own changed flag or that of any table descriptor.
    bool IsChanged() const;

    // The descriptors, changed in place by the callers; replaced by new ones when the project closes.
    clFOX &FOXKontakt() const { return *m_fox[0]; }
    clFOX &FOXNotiz() const { return *m_fox[1]; }
    clFOX &FOXAuftrag() const { return *m_fox[2]; }
    clFOX &FOXAufgabe() const { return *m_fox[3]; }
    clFOX &FOXADODaten() const { return *m_fox[4]; }
    clFOX &FOXGruppen() const { return *m_fox[5]; }
    // The descriptor of a kind word, or null for any other word ("" included).
    clFOX *FOX(const QString &kind) const;

    // Last-modified times of the ACT! database's files: the contact file itself, and the side files
    // (.hdb, .sdb, .adb, .gdb) with the missing date when absent; external data is always "now".
    QDateTime ACTKontaktDatum() const;
    QDateTime ACTNotizDatum() const;
    QDateTime ACTAuftragDatum() const;
    QDateTime ACTAufgabeDatum() const;
    QDateTime ACTADODatenDatum() const;
    QDateTime ACTGruppenDatum() const;

    // Full path of the project file, and the project folder without a trailing separator
    // ("" = no folder chosen yet). Setting either does not mark the project changed.
    QString Datei() const { return m_datei; }
    void setDatei(const QString &path) { m_datei = path; }
    QString Ordner() const { return m_ordner; }
    void setOrdner(const QString &folder) { m_ordner = folder; }

    // Asks for the project folder; a cancelled dialog leaves Ordner as it was.
    void SelectOrdner();
    // Asks for the project name with sDefault proposed; the trimmed answer becomes Name unless empty.
    // A name the project file could not give back as written, or that cannot name the project's
    // files in their folder, is refused with a message naming the problem, and asked for again.
    void InputName(const QString &sDefault);

    // Reads a project file (the file dialog asks for one when file is ""). Every refusal is one
    // exclamation box and false, and leaves the project as it was. An accepted file replaces all of
    // it, the descriptors too: a kind without a table file in the new folder has none.
    bool OpenProjekt(const QString &file = QString());
    // Where a project lay before it is saved under another name or in another folder.
    struct Origin
    {
        QString datei;
        QString ordner;
        QString name;
    };
    // Adds the copy of a table file to a save; false (after its own message) ends the save.
    using CopyTableFile =
        std::function<bool(const QString &source, const QString &dest, platform::FileTransaction &save)>;

    // Writes the project file and the two displayed tables as table files, every one beside its old
    // file first: the old files are replaced only when all new ones were written, and any failure
    // leaves every old file as it was. A refusal or failure is one box and false; so is a value the
    // project file cannot hold (nothing is written then). With an origin (save as), the project file
    // starts from the origin's, so the keys of the kinds not on screen come along, and their table
    // files are copied with copyTable.
    bool SaveProjekt(const Origin *origin = nullptr, const CopyTableFile &copyTable = {});

    // Why a value cannot go into the project file: "das Zeichen "Ł" <where> kann in der Projektdatei
    // "<file>" nicht gespeichert werden (...)" for its first character outside Windows-1252; "" when
    // it can. where and file may be "".
    static QString unstorableText(const QString &value, const QString &where, const QString &file);

    // Clears the saved and changed flags and puts the object back into its initial state.
    void CloseProjekt();
    // Marks the project changed (the user changed a table's attributes or rows).
    void DataChanged() { m_projektChanged = true; }

private:
    void resetFields();
    void clearFlags();
    struct ShownTable
    {
        InfoZoomControl *control;
        QString kind;
        clFOX *fox;
    };
    using NewTableFiles = QList<std::pair<clFOX *, QString>>;

    bool refuse(const QString &message) const;
    bool readProjectFile(const QString &file);
    bool chooseProjectFile();
    void readDescriptor(const QString &kind, clFOX &fox, const IniFileText &ini);
    QString nameProblem(const QString &name, const QString &file) const;
    bool prepareTarget(bool *fresh);
    QList<ShownTable> shownTables() const;
    bool checkStorable(const QList<ShownTable> &shown) const;
    bool readBase(const Origin *origin, bool fresh, QByteArray *bytes) const;
    bool stageCopies(const Origin &origin, const QList<ShownTable> &shown, const CopyTableFile &copyTable,
                     platform::FileTransaction &save, NewTableFiles *newFiles) const;
    bool stageTable(const ShownTable &table, platform::FileTransaction &save) const;
    static void writeKeys(IniDocument &file, const ShownTable &table);
    QDateTime sideFileDate(const QString &extension) const;

    QString m_name;
    QString m_datei;
    QString m_ordner;
    QString m_actDatenbank;
    QString m_actBenutzername;
    bool m_isSaved = false;
    bool m_projektChanged = false;
    std::array<std::unique_ptr<clFOX>, 6> m_fox;
};

} // namespace project
