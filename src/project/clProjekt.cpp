// The project object: fields and flags, the project file's reading and writing, and the dates of
// the ACT! database's files.
#include "clProjekt.h"

#include "VbDate.h"
#include "Windows1252.h"
#include "dbf/FileNames.h"
#include "modINIFile.h"
#include "platform/UiServices.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace project {

namespace {

QDateTime wholeSeconds(const QDateTime &value)
{
    QDateTime result = value;
    result.setTime(QTime(value.time().hour(), value.time().minute(), value.time().second()));
    return result;
}

// A save writes each file beside its target first, under the target's name and a suffix of its
// own; room for those suffixes is kept below the file system's limit of 255 bytes per name.
constexpr qsizetype kMaxFileNameBytes = 255;
constexpr qsizetype kSaveSuffixBytes = 32;

// Why a project name cannot be the base of the project's file names ("" when it can). Names are
// measured in the file system's bytes (UTF-8), with the longest ending a project file gets.
QString fileNameText(const QString &name)
{
    const QString intro = QStringLiteral("er benennt die Dateien des Projekts und ");
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return intro + QStringLiteral("darf daher das Zeichen \"%1\" nicht enthalten, das Ordner trennt.").arg(c);
        if (c.category() == QChar::Other_Control)
            return intro + QStringLiteral("darf daher kein Steuerzeichen enthalten.");
    }
    if (name.startsWith(QLatin1Char('.')))
        return intro + QStringLiteral("darf daher nicht mit einem Punkt beginnen (die Dateien wären sonst versteckt).");
    qsizetype ending = 0;
    for (const QString &kind : clProjekt::TableKinds())
        ending = std::max<qsizetype>(ending, QFile::encodeName(QStringLiteral("_%1.fox").arg(kind)).size());
    const qsizetype allowed = kMaxFileNameBytes - kSaveSuffixBytes - ending;
    const qsizetype bytes = QFile::encodeName(name).size();
    if (bytes > allowed)
        return intro + QStringLiteral("ist dafür mit %1 Byte zu lang (höchstens %2 Byte).").arg(bytes).arg(allowed);
    return {};
}

} // namespace

clProjekt::clProjekt() { resetFields(); }

clProjekt::~clProjekt() = default;

const QStringList &clProjekt::TableKinds()
{
    static const QStringList kinds{QStringLiteral("Kontakte"), QStringLiteral("Notizen"),
                                   QStringLiteral("Aufträge"), QStringLiteral("Aufgaben"),
                                   QStringLiteral("ADODaten"), QStringLiteral("Gruppen")};
    return kinds;
}

QString clProjekt::TableFilePath(const QString &folder, const QString &name, const QString &kind)
{
    return folder + QLatin1Char('/') + name + QLatin1Char('_') + kind + QStringLiteral(".fox");
}

void clProjekt::setACTBenutzername(const QString &user)
{
    m_actBenutzername = user;
    m_projektChanged = true;
}

bool clProjekt::IsChanged() const
{
    if (m_projektChanged)
        return true;
    for (const auto &fox : m_fox)
        if (fox->IsChanged())
            return true;
    return false;
}

clFOX *clProjekt::FOX(const QString &kind) const
{
    const qsizetype index = TableKinds().indexOf(kind);
    return index < 0 || kind.isEmpty() ? nullptr : m_fox[size_t(index)].get();
}

QDateTime clProjekt::ACTKontaktDatum() const
{
    // The contact file is not tested for existence; a missing one gives the missing date.
    const QDateTime modified = QFileInfo(m_actDatenbank).lastModified();
    return modified.isValid() ? wholeSeconds(modified) : MissingDate();
}

QDateTime clProjekt::ACTNotizDatum() const { return sideFileDate(QStringLiteral(".hdb")); }
QDateTime clProjekt::ACTAuftragDatum() const { return sideFileDate(QStringLiteral(".sdb")); }
QDateTime clProjekt::ACTAufgabeDatum() const { return sideFileDate(QStringLiteral(".adb")); }
QDateTime clProjekt::ACTADODatenDatum() const { return wholeSeconds(QDateTime::currentDateTime()); }
QDateTime clProjekt::ACTGruppenDatum() const { return sideFileDate(QStringLiteral(".gdb")); }

QDateTime clProjekt::sideFileDate(const QString &extension) const
{
    const QFileInfo database(m_actDatenbank);
    const QString name = database.fileName();
    if (name.size() < 4)
        return MissingDate();
    // Found as the database layer finds it, whatever the case of its name.
    const QString path = dbf::findFileCaseless(database.path(), name.left(name.size() - 4) + extension);
    return path.isEmpty() ? MissingDate() : wholeSeconds(QFileInfo(path).lastModified());
}

void clProjekt::SelectOrdner()
{
    const QString folder = BrowseForFolder(QStringLiteral("Bitte wählen Sie den Ordner für das Datolux-Projekt aus."));
    if (!folder.isEmpty())
        m_ordner = folder;
}

void clProjekt::InputName(const QString &sDefault)
{
    QString proposed = sDefault;
    for (;;) {
        QString answer;
        if (!platform::ui().inputBox(QStringLiteral("Bitte geben Sie den Projektnamen ein:"),
                                     QStringLiteral("Eingabe Projektname"), proposed, &answer))
            answer.clear();
        answer = answer.trimmed();
        if (answer.isEmpty())
            return;
        const QString folder = m_ordner.isEmpty() ? QString() : m_ordner + QLatin1Char('/');
        const QString problem = nameProblem(answer, folder + answer + QStringLiteral(".dlx"));
        if (problem.isEmpty()) {
            m_name = answer;
            return;
        }
        refuse(problem);
        proposed = answer;
    }
}

// Why the project file could not hold a project name and give it back as it was written, or the
// name could not name the project's files in its folder; "" when it can. The files are looked for
// under the name read back.
QString clProjekt::nameProblem(const QString &name, const QString &file) const
{
    const QString intro = QStringLiteral("Der Projektname \"%1\" kann nicht verwendet werden: ").arg(name);
    const QString unstorable = unstorableText(name, QString(), file);
    if (!unstorable.isEmpty())
        return intro + unstorable;
    // The INI reader takes a value between two equal quotes for the quoted text.
    const QChar first = name.isEmpty() ? QChar() : name.front();
    if (name.size() >= 2 && (first == QLatin1Char('"') || first == QLatin1Char('\'')) && name.back() == first)
        return intro + QStringLiteral("das Zeichen %1 an seinem Anfang und Ende fiele beim Lesen der Projektdatei "
                                      "\"%2\" weg.")
                           .arg(first)
                           .arg(file);
    const QString unusable = fileNameText(name);
    return unusable.isEmpty() ? QString() : intro + unusable;
}

QString clProjekt::unstorableText(const QString &value, const QString &where, const QString &file)
{
    const QString character = windows1252::firstUnencodable(value);
    if (character.isEmpty())
        return {};
    return QStringLiteral("das Zeichen \"%1\"%2 kann in der Projektdatei%3 nicht gespeichert werden (sie nimmt nur "
                          "Zeichen des Zeichensatzes Windows-1252 auf).")
        .arg(character, where.isEmpty() ? QString() : QLatin1Char(' ') + where,
             file.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(file));
}

void clProjekt::CloseProjekt()
{
    clearFlags();
    resetFields();
}

void clProjekt::clearFlags()
{
    m_isSaved = false;
    m_projektChanged = false;
    for (auto &fox : m_fox)
        if (fox)
            fox->setIsChanged(false);
}

void clProjekt::resetFields()
{
    m_name = QStringLiteral("Unbenannt");
    m_datei.clear();
    m_ordner.clear();
    m_actDatenbank.clear();
    m_actBenutzername.clear();
    for (auto &fox : m_fox)
        fox = std::make_unique<clFOX>();
}

bool clProjekt::refuse(const QString &message) const
{
    platform::ui().msgBox(message, platform::MsgIcon::Exclamation, platform::MsgButtons::OK);
    return false;
}

} // namespace project
