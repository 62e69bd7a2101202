// The project file of clProjekt: opening (checks, keys, table files found) and saving (folder choice,
// overwrite question, keys in their order, the two displayed tables as table files).
#include "clProjekt.h"

#include "IniFileText.h"
#include "ProgramSettings.h"
#include "VbDate.h"
#include "clFileDialog.h"
#include "modINIFile.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace project {

namespace {

const QString kSection = QStringLiteral("Options");

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString invalidFileText(const QString &file)
{
    return QStringLiteral("Die Datei ") + quoted(file) + QStringLiteral(" ist keine gültige Datolux-Projektdatei.");
}

QPointer<InfoZoomControl> g_upperTable;
QPointer<InfoZoomControl> g_lowerTable;

InfoZoomControl *displayedTable(bool upper) { return upper ? g_upperTable.data() : g_lowerTable.data(); }

} // namespace

void clProjekt::setDisplayedTables(InfoZoomControl *upper, InfoZoomControl *lower)
{
    g_upperTable = upper;
    g_lowerTable = lower;
}

bool clProjekt::OpenProjekt(const QString &file)
{
    if (!file.isEmpty()) {
        m_datei = file;
        // A file directly in the root ("/a.dlx") or without any folder is no project file.
        const qsizetype separator = m_datei.lastIndexOf(QLatin1Char('/'));
        if (separator < 2)
            return refuse(invalidFileText(m_datei));
        m_ordner = m_datei.left(separator);
    } else if (!chooseProjectFile()) {
        return false;
    }

    // Read once for every key: a project file may be large, and its keys are many.
    const IniFileText ini(m_datei);
    const QString name = ini.settingString(kSection, QStringLiteral("ProjectName"), QString());
    if (name.isEmpty())
        return refuse(invalidFileText(m_datei) + QStringLiteral("\r\nEs fehlt der Projektname."));
    m_name = name;

    const QString database = ini.settingString(kSection, QStringLiteral("ACTDatabaseName"), QString());
    if (database.isEmpty())
        return refuse(invalidFileText(m_datei) + QStringLiteral("\r\nEs fehlt die ACT!-Datenbank"));
    if (!FileExists(database))
        return refuse(QStringLiteral("Die ACT!-Datenbank ") + quoted(database) +
                      QStringLiteral(" kann nicht gefunden werden."));
    m_actDatenbank = database;
    m_actBenutzername = ini.settingString(kSection, QStringLiteral("ACTDatabaseUser"), QString());

    const QString contactsFile = TableFilePath(m_ordner, m_name, TableKinds().first());
    if (!FileExists(contactsFile))
        return refuse(QStringLiteral("Die Kontaktdaten-Datei ") + quoted(contactsFile) +
                      QStringLiteral(" kann nicht gefunden werden."));

    for (const QString &kind : TableKinds())
        readDescriptor(kind, *FOX(kind), ini);
    clearFlags();
    m_isSaved = true;
    return true;
}

bool clProjekt::chooseProjectFile()
{
    clFileDialog dialog;
    dialog.setInitialDir(GetOption(QStringLiteral("DirProject")).toString());
    dialog.setDialogTitle(QStringLiteral("Datolux-Projekt öffnen"));
    dialog.setDefaultExt(QStringLiteral("dlx"));
    dialog.setFilter(QStringLiteral("Datolux-Projektdatei (*.dlx)|*.dlx"));
    dialog.setFlags(clFileDialog::OFN_FILEMUSTEXIST | clFileDialog::OFN_HIDEREADONLY);
    if (!dialog.Show(true))
        return false;
    const QString chosen = dialog.FileName();
    const QString folderWithSeparator = chosen.left(chosen.size() - dialog.FileTitle().size());
    SetOption(QStringLiteral("DirProject"), folderWithSeparator);
    m_datei = chosen;
    m_ordner = folderWithSeparator.left(folderWithSeparator.size() - 1);
    return true;
}

void clProjekt::readDescriptor(const QString &kind, clFOX &fox, const IniFileText &ini)
{
    const QString tableFile = TableFilePath(m_ordner, m_name, kind);
    if (FileExists(tableFile))
        fox.setDatei(tableFile);
    const QString dateText =
        ini.settingString(kSection, QStringLiteral("DataDate") + kind, QStringLiteral("1/1/1970 0:0:0"));
    // A date that reads under no convention (a damaged file) counts as missing rather than
    // refusing the whole project.
    fox.setDatum(TextToDate(dateText).value_or(MissingDate()));
    fox.setSyncFeldName(ini.settingString(kSection, QStringLiteral("SyncFieldName") + kind, QString()));
    fox.setUniqueIDFeldName(ini.settingString(kSection, QStringLiteral("UniqueIDFieldName") + kind, QString()));
    if (kind == QLatin1String("ADODaten")) {
        fox.setConnectionString(ini.settingLongString(kSection, QStringLiteral("ConnectionString") + kind, QString()));
        fox.setSQLString(ini.settingLongString(kSection, QStringLiteral("SQLString") + kind, QString()));
    }
}

bool clProjekt::SaveProjekt()
{
    QString backup;
    if (!prepareTarget(&backup))
        return false;
    bool written = false;
    try {
        written = writeProjectFile();
    } catch (...) {
        // The old project file comes back when the new one could not be completed.
        if (!backup.isEmpty()) {
            QFile::remove(m_datei);
            QFile::rename(backup, m_datei);
        }
        throw;
    }
    if (!backup.isEmpty()) {
        if (written) {
            QFile::remove(backup);
        } else {
            QFile::remove(m_datei);
            QFile::rename(backup, m_datei);
        }
    }
    if (!written)
        return false;
    clearFlags();
    m_isSaved = true;
    return true;
}

// The folder choice and the overwrite question of a first save. The file to be overwritten is moved
// aside (into *backup) instead of being deleted, so that a save that fails later can put it back.
bool clProjekt::prepareTarget(QString *backup)
{
    if (!m_ordner.isEmpty())
        return true;
    SelectOrdner();
    if (m_ordner.isEmpty())
        return false;
    m_datei = m_ordner + QLatin1Char('/') + m_name + QStringLiteral(".dlx");
    if (!QFileInfo::exists(m_datei))
        return true;
    if (platform::ui().msgBox(QStringLiteral("Soll das vorhandene Projekt ") + quoted(m_datei) +
                                  QStringLiteral(" überschrieben werden?"),
                              platform::MsgIcon::Question, platform::MsgButtons::YesNo) != platform::MsgAnswer::Yes) {
        m_ordner.clear();
        return false;
    }
    const QString aside = m_datei + QStringLiteral(".alt~");
    QFile::remove(aside);
    QFile old(m_datei);
    if (!old.rename(aside)) {
        return refuse(QStringLiteral("Beim Überschreiben der Projektdatei ") + quoted(m_datei) +
                      QStringLiteral(" ist ein Fehler aufgetreten.\r\n") + old.errorString());
    }
    *backup = aside;
    return true;
}

bool clProjekt::writeKey(const QString &key, const std::optional<QString> &value, QString *error) const
{
    return INIWriteSetting(kSection, key, value, m_datei, error);
}

bool clProjekt::writeProjectFile()
{
    if (!writeKey(QStringLiteral("ProjectName"), m_name))
        return refuse(QStringLiteral("Es ist ein Fehler beim Schreiben in die Projektdatei ") + quoted(m_datei) +
                      QStringLiteral(" aufgetreten."));
    writeKey(QStringLiteral("ACTDatabaseName"), m_actDatenbank);
    writeKey(QStringLiteral("ACTDatabaseUser"), m_actBenutzername);

    if (InfoZoomControl *upper = displayedTable(true)) {
        const QString kind = upper->Tag().isEmpty() ? TableKinds().first() : upper->Tag();
        saveTable(upper, FOXKontakt(), kind);
    }
    if (InfoZoomControl *lower = displayedTable(false)) {
        const QString kind = lower->Tag();
        if (kind != TableKinds().first())
            if (clFOX *fox = FOX(kind))
                saveTable(lower, *fox, kind);
    }
    return true;
}

void clProjekt::saveTable(InfoZoomControl *control, clFOX &fox, const QString &kind)
{
    fox.setDatei(TableFilePath(m_ordner, m_name, kind));
    InfoZoomTable *table = control->Table();
    table->ResetSelection();
    table->SaveFile(fox.Datei(), QStringLiteral("fox"), QString(), 0);
    writeKey(QStringLiteral("DataDate") + kind, DateToText(fox.Datum()));
    writeKey(QStringLiteral("SyncFieldName") + kind, fox.SyncFeldName());
    writeKey(QStringLiteral("UniqueIDFieldName") + kind, fox.UniqueIDFeldName());
    if (kind == QLatin1String("ADODaten")) {
        writeKey(QStringLiteral("ConnectionString") + kind, fox.connectionStringValue());
        writeKey(QStringLiteral("SQLString") + kind, fox.sqlStringValue());
    }
    fox.setIsChanged(false);
}

} // namespace project
