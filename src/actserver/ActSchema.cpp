// The schema of an ACT! database: tables, field ids, German labels, type codes and dBase columns.
#include "ActSchema.h"

namespace actserver {

namespace T = ActFieldType;

namespace {

ActFieldDef text(qint16 id, const char *label, const char *column, int length, int type = T::Character)
{
    return {id, label, type, column, 'C', length, 0, nullptr};
}

ActFieldDef idField(qint16 id, const char *label, const char *column)
{
    return {id, label, T::Id, column, 'C', ActSchema::kIdLength, 0, nullptr};
}

ActFieldDef number(qint16 id, const char *label, const char *column, int length)
{
    return {id, label, T::Number, column, 'N', length, 0, nullptr};
}

ActFieldDef decimal(qint16 id, const char *label, const char *column, int length, int decimals)
{
    return {id, label, T::Currency, column, 'N', length, decimals, nullptr};
}

ActFieldDef date(qint16 id, const char *label, const char *column, const char *timeColumn = nullptr, int type = T::Date)
{
    return {id, label, type, column, 'D', 8, 0, timeColumn};
}

ActFieldDef memo(qint16 id, const char *label, const char *column)
{
    return {id, label, T::Memo, column, 'M', 10, 0, nullptr};
}

ActTableDef contactTable()
{
    return {ActTableKind::Contact,
            "dbf",
            "ACT_Contact",
            {
                idField(1, "Eindeutige ID", "UNIQUE_ID"),
                text(2, "Firma", "COMPANY", 40),
                text(3, "Kontakt", "CONTACT", 40),
                text(4, "Anrede", "SALUTATION", 20),
                text(5, "Titel", "TITLE", 30),
                idField(6, "Datensatz-Manager", "RECMGR"),
                text(7, "Abteilung", "DEPARTMENT", 30),
                text(8, "Telefon", "PHONE", 25, T::Phone),
                text(9, "Durchwahl", "EXTENSION", 8),
                text(10, "Fax", "FAX", 25, T::Phone),
                text(11, "Mobiltelefon", "MOBILE", 25, T::Phone),
                text(12, "Adresse 1", "ADDRESS1", 40),
                text(13, "Adresse 2", "ADDRESS2", 40),
                text(14, "PLZ", "ZIP", 10, T::Zip),
                text(15, "Ort", "CITY", 30),
                text(16, "Bundesland", "STATE", 25),
                text(17, "Land", "COUNTRY", 25),
                text(18, "Vorname", "FIRSTNAME", 20),
                text(19, "Nachname", "LASTNAME", 25),
                text(20, "Kennung", "ID_STATUS", 20, T::Uppercase),
                text(21, "Empfohlen von", "REFERREDBY", 30),
                date(22, "Letzter Anruf", "LASTREACH", nullptr, T::DateReached),
                date(23, "Letztes Treffen", "LASTMEET", nullptr, T::DateReached),
                date(24, "Letzter Brief", "LASTLETTER", nullptr, T::DateReached),
                text(25, "Branche", "INDUSTRY", 30),
                decimal(26, "Jahresumsatz", "REVENUE", 14, 2),
                number(27, "Mitarbeiter", "EMPLOYEES", 7),
                {28, "Beste Anrufzeit", T::Time, "CALLTIME", 'C', 8, 0, nullptr},
                date(29, "Erstellt am", "CREATED"),
                date(30, "Geändert am", "EDITED", nullptr, T::DateEdited),
                text(31, "Initialen", "INITIALS", 4, T::Initial),
                memo(32, "Hinweise", "REMARKS"),
                text(33, "Webseite", "WEBSITE", 50),
                text(200, "E-Mail", "EMAIL", 60),
                idField(201, "E-Mail-ID", "EMAIL_ID"),
                text(202, "E-Mail-Anmeldung", "EMAILLOGON", 20),
                text(203, "E-Mail-Dienst", "EMAILCARR", 20),
                number(500, "Datensatztyp", "REC_TYPE", 2),
                idField(501, "Erstellt von", "CREATEDBY"),
                idField(502, "Geändert von", "EDITEDBY"),
                date(503, "Synchronisiert am", "SYNCED"),
                number(504, "Version", "REC_VER", 6),
            },
            {}};
}

ActTableDef groupTable()
{
    return {ActTableKind::Group,
            "gdb",
            "ACT_Group",
            {
                idField(1, "Eindeutige ID", "UNIQUE_ID"),
                idField(6, "Datensatz-Manager", "RECMGR"),
                text(25, "Gruppenname", "GRP_NAME", 40),
                text(26, "Beschreibung", "DESCRIPT", 60),
                date(27, "Erstellt am", "CREATED"),
                date(28, "Geändert am", "EDITED", nullptr, T::DateEdited),
                text(29, "Ort", "LOCATION", 30),
                memo(30, "Hinweise", "REMARKS"),
                idField(55, "Übergeordnete Gruppe", "PARENT_ID"),
                // The member contacts come from the relation table, one per row; the group record holds none.
                {56, "Kontakt ID", T::Id, nullptr, 'C', ActSchema::kIdLength, 0, nullptr},
                number(100, "Anzahl Mitglieder", "MEMBERS", 6),
                text(200, "E-Mail-Verteiler", "EMAIL", 60),
                idField(201, "E-Mail-ID", "EMAIL_ID"),
            },
            {}};
}

ActTableDef notesTable()
{
    return {ActTableKind::Notes,
            "hdb",
            "ACT_Notes",
            {
                idField(1, "Eindeutige ID", "UNIQUE_ID"),
                idField(6, "Datensatz-Manager", "RECMGR"),
                number(25, "Typ", "TYPE", 3),
                memo(26, "Text", "TEXT"),
                date(27, "Datum", "NOTEDATE", "NOTETIME"),
                text(28, "Anlage", "ATTACHMENT", 60),
                idField(29, "Kontakt-ID", "CONTACT_ID"),
                idField(30, "Gruppen-ID", "GROUP_ID"),
            },
            {}};
}

ActTableDef activityTable()
{
    return {ActTableKind::Activity,
            "adb",
            "ACT_Activity",
            {
                idField(1, "Eindeutige ID", "UNIQUE_ID"),
                number(5, "Sichtbarkeit", "VISIBLE", 1),
                number(25, "Aktivitätstyp", "TYPE", 2),
                number(26, "Priorität", "PRIORITY", 1),
                text(27, "Betreff", "REGARDING", 60),
                date(28, "Beginn", "STARTDATE", "STARTTIME"),
                date(29, "Ende", "ENDDATE", "ENDTIME"),
                number(30, "Dauer (Min.)", "DURATION", 5),
                number(31, "Zeitbindung", "TIMELESS", 1),
                number(32, "Vorlauf (Tage)", "LEADDAYS", 3),
                number(33, "Erinnerung", "ALARM", 1),
                number(35, "E-Mail-Erinnerung", "EMAILALARM", 1),
                text(36, "Ort", "LOCATION", 40),
                idField(37, "Erstellt von", "CREATEDBY"),
                idField(38, "Geplant für", "SCHEDFOR"),
                idField(39, "Gruppe", "GROUP_ID"),
                idField(40, "Kontakt-ID", "CONTACT_ID"),
                number(41, "Erledigt", "DONE", 1),
                idField(42, "Serien-ID", "SERIES_ID"),
                text(43, "Wiederholung", "RECURRENCE", 20),
                date(44, "Erledigt am", "DONEDATE", "DONETIME"),
                memo(45, "Details", "DETAILS"),
                text(46, "Ergebnis", "RESULT", 40),
                text(47, "Kategorie", "CATEGORY", 20),
                number(100, "Anzahl Kontakte", "NUMCONT", 4),
                number(101, "Erinnerung vorher (Min.)", "ALARMLEAD", 5),
            },
            {}};
}

ActTableDef emailTable()
{
    return {ActTableKind::Email,
            "edb",
            "ACT_Email",
            {
                idField(1, "Eindeutige ID", "UNIQUE_ID"),
                idField(6, "Datensatz-Manager", "RECMGR"),
                text(25, "Betreff", "SUBJECT", 60),
                text(26, "Absender", "SENDER", 60),
                text(27, "Empfänger", "RECIPIENT", 60),
                date(28, "Gesendet am", "SENTDATE", "SENTTIME"),
                memo(29, "Nachricht", "BODY"),
                idField(30, "Kontakt-ID", "CONTACT_ID"),
            },
            {}};
}

ActTableDef relationTable()
{
    // FIELD1 the contact, FIELD2 the group (TYPE "0") or the activity it is scheduled with (TYPE "1").
    return {ActTableKind::Relation,
            "rel",
            "ACT_Relation",
            {},
            {
                idField(0, "Kontakt", "FIELD1"),
                idField(0, "Gruppe oder Aktivität", "FIELD2"),
                text(0, "Art", "TYPE", 1),
            }};
}

ActTableDef salesTable()
{
    return {ActTableKind::Sales,
            "sdb",
            "ACT_Sales",
            {
                idField(1, "Eindeutige ID", "UNIQUE_ID"),
                idField(6, "Datensatz-Manager", "RECMGR"),
                idField(25, "Kontakt-ID", "CONTACT_ID"),
                text(27, "Produkt", "PRODUCT", 40),
                number(30, "Wahrscheinlichkeit (%)", "PROBABLTY", 3),
                date(31, "Abschlussdatum", "CLOSEDATE", "CLOSETIME"),
                decimal(32, "Einzelpreis", "UNITPRICE", 12, 2),
                decimal(33, "Menge", "QUANTITY", 10, 2),
                decimal(34, "Betrag", "AMOUNT", 14, 2),
                date(35, "Erstellt am", "CREATED", "CREATETIME"),
                memo(36, "Details", "DETAILS"),
                text(38, "Phase", "STAGE", 20),
                text(39, "Status", "STATUS", 15),
                text(200, "Firma", "COMPANY", 40),
                text(201, "Kontakt", "CONTACT", 40),
                text(202, "Wettbewerber", "COMPETITOR", 30),
            },
            {}};
}

} // namespace

const ActFieldDef *ActTableDef::field(qint16 id) const
{
    for (const ActFieldDef &f : fields)
        if (f.id == id)
            return &f;
    return nullptr;
}

const ActTableDef &ActSchema::table(ActTableKind kind)
{
    static const ActTableDef tables[] = {contactTable(), groupTable(),    notesTable(), activityTable(),
                                         emailTable(),   relationTable(), salesTable()};
    return tables[static_cast<int>(kind)];
}

const QList<ActTableKind> &ActSchema::allKinds()
{
    static const QList<ActTableKind> kinds = {ActTableKind::Contact,  ActTableKind::Group, ActTableKind::Notes,
                                              ActTableKind::Activity, ActTableKind::Email, ActTableKind::Relation,
                                              ActTableKind::Sales};
    return kinds;
}

} // namespace actserver
