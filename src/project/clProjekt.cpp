// The project object: fields and flags, the project file's reading and writing, and the dates of
// the ACT! database's files.
#include "clProjekt.h"

#include "VbDate.h"
#include "Windows1252.h"
#include "dbf/FileNames.h"
#include "modINIFile.h"
#include "platform/UiServices.h"

#include <QFileInfo>

namespace project {

namespace {

QDateTime wholeSeconds(const QDateTime &value)
{
    QDateTime result = value;
    result.setTime(QTime(value.time().hour(), value.time().minute(), value.time().second()));
    return result;
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

// Why the project file could not hold a project name and give it back as it was written; "" when
// it can. The name also names the project's files, which are looked for under the name read back.
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
    return {};
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
