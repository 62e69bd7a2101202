// The project file of clProjekt: opening (checks, keys, table files found) and saving (folder choice,
// overwrite question, keys in their order, the two displayed tables as table files, all replaced
// together).
#include "clProjekt.h"

#include "IniDocument.h"
#include "IniFileText.h"
#include "ProgramSettings.h"
#include "VbDate.h"
#include "clFileDialog.h"
#include "modINIFile.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"
#include "platform/FileTransaction.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <algorithm>

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
    // Read into a project of its own: until the whole file was accepted, this project keeps its
    // file, folder and name, so that no later save can write it into another project's files.
    clProjekt opened;
    if (!opened.readProjectFile(file))
        return false;
    m_name = opened.m_name;
    m_datei = opened.m_datei;
    m_ordner = opened.m_ordner;
    m_actDatenbank = opened.m_actDatenbank;
    m_actBenutzername = opened.m_actBenutzername;
    m_fox.swap(opened.m_fox);
    clearFlags();
    m_isSaved = true;
    return true;
}

bool clProjekt::readProjectFile(const QString &file)
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
    // The name names the table files: "../x" would read and write them outside the folder.
    if (const QString problem = nameProblem(name, m_datei); !problem.isEmpty())
        return refuse(invalidFileText(m_datei) + QStringLiteral("\r\n") + problem);
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

bool clProjekt::SaveProjekt(const Origin *origin, const CopyTableFile &copyTable)
{
    bool fresh = false;
    if (!prepareTarget(&fresh))
        return false;
    const QList<ShownTable> shown = shownTables();
    if (!checkStorable(shown))
        return false;
    QByteArray base;
    if (!readBase(origin, fresh, &base))
        return false;

    // Every file goes beside its old one first; none replaces anything before all were written.
    platform::FileTransaction transaction;
    NewTableFiles newFiles;
    if (origin && !stageCopies(*origin, shown, copyTable, transaction, &newFiles))
        return false;
    IniDocument file = IniDocument::fromBytes(base);
    file.setValue(kSection, QStringLiteral("ProjectName"), m_name);
    file.setValue(kSection, QStringLiteral("ACTDatabaseName"), m_actDatenbank);
    file.setValue(kSection, QStringLiteral("ACTDatabaseUser"), m_actBenutzername);
    for (const ShownTable &table : shown) {
        if (!stageTable(table, transaction))
            return false;
        newFiles.append({table.fox, TableFilePath(m_ordner, m_name, table.kind)});
        writeKeys(file, table);
    }
    if (!transaction.write(m_datei, file.toBytes()))
        return refuse(QStringLiteral("Es ist ein Fehler beim Schreiben in die Projektdatei ") + quoted(m_datei) +
                      QStringLiteral(" aufgetreten.\r\n") + transaction.errorString());
    if (!transaction.commit())
        return refuse(QStringLiteral("Beim Überschreiben der Projektdatei ") + quoted(m_datei) +
                      QStringLiteral(" ist ein Fehler aufgetreten.\r\n") + transaction.errorString());
    for (const auto &[fox, path] : newFiles)
        fox->setDatei(path);
    clearFlags();
    m_isSaved = true;
    return true;
}

// The folder choice and the overwrite question of a first save. *fresh tells that the project file
// starts empty (a first save, or one that overwrites another project's file).
bool clProjekt::prepareTarget(bool *fresh)
{
    if (!m_ordner.isEmpty())
        return true;
    SelectOrdner();
    if (m_ordner.isEmpty())
        return false;
    m_datei = m_ordner + QLatin1Char('/') + m_name + QStringLiteral(".dlx");
    *fresh = true;
    if (!QFileInfo::exists(m_datei))
        return true;
    if (platform::ui().msgBox(QStringLiteral("Soll das vorhandene Projekt ") + quoted(m_datei) +
                                  QStringLiteral(" überschrieben werden?"),
                              platform::MsgIcon::Question, platform::MsgButtons::YesNo) != platform::MsgAnswer::Yes) {
        m_ordner.clear();
        return false;
    }
    return true;
}

// The upper table always with the contacts descriptor; a table that shows nothing read for this
// project (no kind in its tag) is never written over a stored one.
QList<clProjekt::ShownTable> clProjekt::shownTables() const
{
    QList<ShownTable> shown;
    if (InfoZoomControl *upper = displayedTable(true); upper && !upper->Tag().isEmpty())
        shown.append({upper, upper->Tag(), &FOXKontakt()});
    if (InfoZoomControl *lower = displayedTable(false); lower && lower->Tag() != TableKinds().first())
        if (clFOX *fox = FOX(lower->Tag()))
            shown.append({lower, lower->Tag(), fox});
    return shown;
}

// The project file holds Windows-1252 only: a value with another character would come back as "?"
// and the project could not be found or opened again, so such a save writes nothing at all.
bool clProjekt::checkStorable(const QList<ShownTable> &shown) const
{
    const QString problem = nameProblem(m_name, m_datei);
    if (!problem.isEmpty())
        return refuse(problem);
    QStringList values{m_actDatenbank, m_actBenutzername};
    for (const ShownTable &table : shown) {
        values << DateToText(table.fox->Datum()) << table.fox->SyncFeldName() << table.fox->UniqueIDFeldName();
        if (table.kind == QLatin1String("ADODaten"))
            values << table.fox->ConnectionString() << table.fox->SQLString();
    }
    for (const QString &value : values) {
        const QString problem = unstorableText(value, QStringLiteral("in ") + quoted(value), m_datei);
        if (!problem.isEmpty())
            return refuse(QStringLiteral("Das Projekt kann nicht gespeichert werden: ") + problem);
    }
    return true;
}

// The project file a save writes into: an overwritten or new one starts empty, a save as starts
// from the old project's file (the keys of the kinds not on screen come over from there), and
// every other save updates the keys of its own file in place.
bool clProjekt::readBase(const Origin *origin, bool fresh, QByteArray *bytes) const
{
    QString from;
    if (origin && QFileInfo(origin->datei).isFile())
        from = origin->datei;
    else if (!fresh && QFileInfo::exists(m_datei))
        from = m_datei;
    if (from.isEmpty())
        return true;
    QFile file(from);
    if (file.open(QIODevice::ReadOnly)) {
        *bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    return refuse(QStringLiteral("Es ist ein Fehler beim Schreiben in die Projektdatei ") + quoted(m_datei) +
                  QStringLiteral(" aufgetreten.\r\n") + file.errorString());
}

bool clProjekt::stageCopies(const Origin &origin, const QList<ShownTable> &shown, const CopyTableFile &copyTable,
                            platform::FileTransaction &transaction, NewTableFiles *newFiles) const
{
    if (origin.ordner.isEmpty())
        return true;
    for (const QString &kind : TableKinds()) {
        if (std::any_of(shown.begin(), shown.end(), [&](const ShownTable &t) { return t.kind == kind; }))
            continue;
        const QString source = TableFilePath(origin.ordner, origin.name, kind);
        if (!QFileInfo(source).isFile())
            continue;
        const QString dest = TableFilePath(m_ordner, m_name, kind);
        if (source != dest) {
            const bool copied = copyTable ? copyTable(source, dest, transaction) : transaction.copy(source, dest);
            if (!copied)
                return false;
        }
        newFiles->append({FOX(kind), dest});
    }
    return true;
}

// Writes the table into a new file beside its table file; the component's own message names the
// table file, not the new file.
bool clProjekt::stageTable(const ShownTable &table, platform::FileTransaction &transaction) const
{
    const QString target = TableFilePath(m_ordner, m_name, table.kind);
    const QString staged = transaction.stage(target);
    if (staged.isEmpty())
        return refuse(transaction.errorString());
    InfoZoomTable *content = table.control->Table();
    content->ResetSelection();
    try {
        content->SaveFile(staged, QStringLiteral("fox"), QString(), 0);
    } catch (const platform::VbError &error) {
        return refuse(error.description().replace(QDir::toNativeSeparators(staged), QDir::toNativeSeparators(target)));
    }
    return true;
}

void clProjekt::writeKeys(IniDocument &file, const ShownTable &table)
{
    const clFOX &fox = *table.fox;
    file.setValue(kSection, QStringLiteral("DataDate") + table.kind, DateToText(fox.Datum()));
    file.setValue(kSection, QStringLiteral("SyncFieldName") + table.kind, fox.SyncFeldName());
    file.setValue(kSection, QStringLiteral("UniqueIDFieldName") + table.kind, fox.UniqueIDFeldName());
    if (table.kind == QLatin1String("ADODaten")) {
        file.setValue(kSection, QStringLiteral("ConnectionString") + table.kind, fox.connectionStringValue());
        file.setValue(kSection, QStringLiteral("SQLString") + table.kind, fox.sqlStringValue());
    }
}

} // namespace project
