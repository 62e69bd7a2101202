// Writes the tables of the demo database.
#include "ActDemoGenerator.h"

#include "ActDemoNames.h"
#include "ActDemoRow.h"
#include "ActUserFile.h"
#include "dbf/DbfError.h"
#include "dbf/DbfWriter.h"
#include "dbf/MemoFile.h"

#include <QFileInfo>

#include <algorithm>

namespace actserver {

namespace {

const char kMembership[] = "0";
const char kSchedule[] = "1";
// Fixed, so that the demo database is the same whenever it is written.
const QDate kToday(2024, 6, 3);
const std::uint64_t kSeed = 0x44617430'6C757821ULL;

// History types with their share of the notes table.
const int kNoteTypes[] = {100, 100, 100, 100, 1,  1,  1,  0,  0,  2,  2,  3,  5,  5,  6,  6,   7,   8,  9,
                          10,  11,  13,  14,  16, 16, 17, 50, 51, 53, 54, 55, 56, 57, 58, 101, 102, 102};

QString phone(const ActDemoPlace &place, ActDemoRandom &random, const char *suffix)
{
    const QString prefix = QLatin1String(place.country) == QLatin1String("Österreich") ? QStringLiteral("+43")
                           : QLatin1String(place.country) == QLatin1String("Schweiz")  ? QStringLiteral("+41")
                                                                                       : QStringLiteral("+49");
    return QStringLiteral("%1 (%2) %3%4")
        .arg(prefix, QLatin1String(place.areaCode))
        .arg(random.between(100000, 999999))
        .arg(QLatin1String(suffix));
}

} // namespace

ActDemoGenerator::ActDemoGenerator(const ActDatabaseFiles &files, const ActDemoOptions &options)
    : m_files(files), m_options(options), m_random(kSeed), m_today(kToday)
{
}

void ActDemoGenerator::createTable(ActTableKind kind, const ActDemoRow &row)
{
    const QString path = m_files.tableFile(kind);
    const bool hasMemo =
        std::any_of(row.columns().begin(), row.columns().end(), [](const dbf::DbfField &f) { return f.isMemo(); });
    m_written << path;
    if (hasMemo)
        m_written << dbf::MemoFile::defaultPath(path, dbf::MemoFile::Format::FoxPro);
    dbf::DbfWriter::create(path, row.columns());
}

QDateTime ActDemoGenerator::moment(int daysBefore, int daysAfter)
{
    const QDate day = m_random.dateAround(m_today, daysBefore, daysAfter);
    return QDateTime(day, QTime(m_random.between(7, 18), m_random.below(4) * 15, 0));
}

void ActDemoGenerator::writeUsers()
{
    QList<ActUser> users;
    for (const ActDemoUser &u : ActDemoDatabase::users(m_options.singleUser)) {
        users << ActUser::withPassword(m_random.uniqueId(m_usedIds), u.name, u.password);
        m_userIds << users.last().uniqueId;
    }
    QString error;
    m_written << m_files.usersFile();
    if (!ActUserFile::write(m_files.usersFile(), users, &error))
        throw dbf::DbfError(dbf::DbfError::Kind::Io, m_files.usersFile(), error);
}

void ActDemoGenerator::fillContact(ActDemoRow &row, const Contact &contact, bool female, const QString &first,
                                   const QString &last)
{
    const ActDemoPlace &place = ActDemoNames::places().at(m_random.below(int(ActDemoNames::places().size())));
    row.set(1, contact.id);
    row.set(2, contact.company);
    row.set(3, contact.name);
    row.set(4, QString((female ? QStringLiteral("Frau") : QStringLiteral("Herr")) +
                       (m_random.chance(10) ? QStringLiteral(" Dr.") : QString())));
    row.set(5, m_random.pick(ActDemoNames::jobTitles()));
    row.set(6, someUser());
    row.set(7, m_random.pick(ActDemoNames::departments()));
    row.set(8, phone(place, m_random, "-0"));
    row.set(9, QString::number(m_random.between(10, 399)));
    row.set(10, phone(place, m_random, "-99"));
    row.set(11, m_random.chance(60)
                    ? QStringLiteral("0%1 %2").arg(m_random.between(151, 179)).arg(m_random.between(1000000, 9999999))
                    : QString());
    row.set(12, QStringLiteral("%1 %2").arg(m_random.pick(ActDemoNames::streets())).arg(m_random.between(1, 140)));
    row.set(13, m_random.chance(15) ? QStringLiteral("Postfach %1").arg(m_random.between(100, 9999)) : QString());
    row.set(14, QString::fromLatin1(place.zip));
    row.set(15, QString::fromUtf8(place.city));
    row.set(16, QString::fromUtf8(place.state));
    row.set(17, QString::fromUtf8(place.country));
    row.set(18, first);
    row.set(19, last);
    row.set(20, m_random.pick(ActDemoNames::statusWords()));
    row.set(21, m_random.chance(20) && !m_contacts.isEmpty() ? someContact().name : QString());
    row.set(22, m_random.chance(80) ? QVariant(m_random.dateAround(m_today, 400, 0)) : QVariant());
    row.set(23, m_random.chance(50) ? QVariant(m_random.dateAround(m_today, 600, 0)) : QVariant());
    row.set(24, m_random.chance(40) ? QVariant(m_random.dateAround(m_today, 900, 0)) : QVariant());
    row.set(25, m_random.pick(ActDemoNames::industries()));
    row.set(26, m_random.between(5, 500000) * 100.0 + m_random.below(100) / 100.0);
    row.set(27, qlonglong(m_random.between(1, 2500)));
    row.set(28, m_random.chance(30) ? QStringLiteral("%1:%2:00")
                                          .arg(m_random.between(8, 17), 2, 10, QLatin1Char('0'))
                                          .arg(m_random.below(2) * 30, 2, 10, QLatin1Char('0'))
                                    : QString());
    const QDate created = m_random.dateAround(m_today, 2500, -30);
    row.set(29, created);
    row.set(30, created.addDays(m_random.below(qMax(1, int(created.daysTo(m_today))))));
    row.set(31, QString(first.left(1) + last.left(1)).toUpper());
    row.set(32, m_random.chance(10) ? m_random.pick(ActDemoNames::remarks()) : QString());
    row.set(33, QStringLiteral("www.%1.de")
                    .arg(ActDemoNames::asciiFold(contact.company.section(QLatin1Char(' '), 0, 1))
                             .replace(QLatin1Char(' '), QLatin1Char('-'))));
    row.set(200, contact.email);
    row.set(201, m_random.uniqueId(m_usedIds));
    row.set(202, m_random.chance(30) ? ActDemoNames::asciiFold(last) : QString());
    row.set(203, QStringLiteral("Internet"));
    row.set(500, qlonglong(0));
    row.set(501, someUser());
    row.set(502, someUser());
    row.set(503, m_random.chance(5) ? QVariant(m_random.dateAround(m_today, 30, 0)) : QVariant());
    row.set(504, qlonglong(m_random.between(1, 40)));
}

void ActDemoGenerator::writeContacts()
{
    ActDemoRow row(ActTableKind::Contact);
    createTable(ActTableKind::Contact, row);
    dbf::DbfWriter writer(m_files.contactFile());
    dbf::DbfWriter::Batch batch(writer);
    for (int i = 0; i < m_options.contacts; ++i) {
        const bool female = m_random.chance(50);
        const QString first = m_random.pick(female ? ActDemoNames::femaleFirstNames() : ActDemoNames::maleFirstNames());
        const QString last = m_random.pick(ActDemoNames::lastNames());
        Contact c;
        c.id = m_random.uniqueId(m_usedIds);
        c.name = first + QLatin1Char(' ') + last;
        c.company = m_random.chance(20) ? QStringLiteral("%1 %2").arg(last, m_random.pick(ActDemoNames::companyForms()))
                                        : QStringLiteral("%1 %2").arg(m_random.pick(ActDemoNames::companyWords()),
                                                                      m_random.pick(ActDemoNames::companyForms()));
        c.email = QStringLiteral("%1.%2@%3.de")
                      .arg(ActDemoNames::asciiFold(first), ActDemoNames::asciiFold(last),
                           ActDemoNames::asciiFold(c.company.section(QLatin1Char(' '), 0, 0)));
        row.clear();
        fillContact(row, c, female, first, last);
        writer.append(row.values());
        m_contacts << c;
    }
}

void ActDemoGenerator::writeGroups()
{
    const QStringList &names = ActDemoNames::groups();
    QString mainId;
    QList<int> memberCounts;
    for (int g = 0; g < names.size(); ++g) {
        QString id = m_random.uniqueId(m_usedIds);
        if (g == 2) {
            // One group ID holds a quote, as ACT! IDs may: filters over group IDs must cope with it.
            m_usedIds.remove(id);
            id[5] = QLatin1Char('\'');
            m_usedIds.insert(id);
        }
        m_groupIds << id;
        m_groupNames << (names.at(g).startsWith(QLatin1Char('-')) ? names.at(g).mid(1) : names.at(g));
        memberCounts << 0;
    }
    // Every contact joins up to two groups; the last group ("Archiv (leer)") stays empty.
    const int memberGroups = int(m_groupIds.size()) - 1;
    for (const Contact &c : qAsConst(m_contacts)) {
        const int joins = m_random.below(3);
        int previous = -1;
        for (int j = 0; j < joins; ++j) {
            const int g = m_random.below(memberGroups);
            if (g == previous)
                continue;
            previous = g;
            m_relations.append({c.id, m_groupIds.at(g), kMembership});
            ++memberCounts[g];
        }
    }
    ActDemoRow row(ActTableKind::Group);
    createTable(ActTableKind::Group, row);
    dbf::DbfWriter writer(m_files.tableFile(ActTableKind::Group));
    dbf::DbfWriter::Batch batch(writer);
    for (int g = 0; g < names.size(); ++g) {
        const bool sub = names.at(g).startsWith(QLatin1Char('-'));
        if (!sub)
            mainId = m_groupIds.at(g);
        row.clear();
        row.set(1, m_groupIds.at(g));
        row.set(6, someUser());
        row.set(25, m_groupNames.at(g));
        row.set(26, sub ? QStringLiteral("Untergruppe von %1").arg(m_groupNames.at(m_groupIds.indexOf(mainId)))
                        : QStringLiteral("Hauptgruppe %1").arg(m_groupNames.at(g)));
        const QDate created = m_random.dateAround(m_today, 1500, -60);
        row.set(27, created);
        row.set(28, created.addDays(m_random.below(60)));
        row.set(29, m_random.chance(50) ? QString::fromUtf8(ActDemoNames::places().at(g % 10).city) : QString());
        row.set(30, g % 3 == 0 ? QStringLiteral("Gepflegt von der Vertriebsabteilung.\r\nBitte vierteljährlich prüfen.")
                               : QString());
        row.set(55, sub ? mainId : QString(ActSchema::kIdLength, QLatin1Char(' ')));
        // The empty archive group has no stored member count at all; the Christmas-card list keeps a
        // stale count, as ACT!'s stored counts can lag behind the memberships.
        const int staleBy = m_groupNames.at(g) == QLatin1String("Weihnachtskarten") ? 2 : 0;
        row.set(100, g == names.size() - 1 ? QVariant() : QVariant(qlonglong(memberCounts.at(g) + staleBy)));
        row.set(200, g % 4 == 0 ? QStringLiteral("verteiler-%1@datolux-demo.de").arg(g) : QString());
        row.set(201, g % 4 == 0 ? m_random.uniqueId(m_usedIds) : QString());
        writer.append(row.values());
    }
    writeMemberlessGroup(writer, row);
}

// A main group whose stored member count is 0 and that has no membership. It draws nothing from the
// random sequence and is not offered to later tables, so every other record stays as it was.
void ActDemoGenerator::writeMemberlessGroup(dbf::DbfWriter &writer, ActDemoRow &row)
{
    QString id = QStringLiteral("LEER-GRUPPE0");
    for (char16_t last = u'1'; m_usedIds.contains(id); ++last)
        id[11] = QChar(last);
    m_usedIds.insert(id);
    row.clear();
    row.set(1, id);
    row.set(6, m_userIds.first());
    row.set(25, QStringLiteral("Ehemalige Partner"));
    row.set(26, QStringLiteral("Hauptgruppe Ehemalige Partner"));
    row.set(27, m_today.addDays(-400));
    row.set(28, m_today.addDays(-400));
    row.set(55, QString(ActSchema::kIdLength, QLatin1Char(' ')));
    row.set(100, qlonglong(0));
    writer.append(row.values());
}

QString ActDemoGenerator::noteText(int type)
{
    const QString sentence = m_random.pick(ActDemoNames::noteSentences());
    switch (type) {
    case 100:
        if (m_random.chance(40))
            return sentence + QStringLiteral("\r\n") + m_random.pick(ActDemoNames::noteSentences()) +
                   (m_random.chance(30) ? QStringLiteral("\r\n\r\nGez. ") + m_random.pick(ActDemoNames::lastNames())
                                        : QString());
        return sentence;
    case 3:
        return QStringLiteral("Feld \"Telefon\" geändert");
    case 101:
        return QStringLiteral("Anlage: ") + m_random.pick(ActDemoNames::attachments());
    case 102:
        return QStringLiteral("E-Mail: ") + m_random.pick(ActDemoNames::emailSubjects());
    default:
        return m_random.chance(20) ? QString() : sentence;
    }
}

void ActDemoGenerator::writeNotes()
{
    ActDemoRow row(ActTableKind::Notes);
    createTable(ActTableKind::Notes, row);
    dbf::DbfWriter writer(m_files.tableFile(ActTableKind::Notes));
    dbf::DbfWriter::Batch batch(writer);
    const int count = m_options.contacts * 5 / 2;
    for (int i = 0; i < count; ++i) {
        const int type = kNoteTypes[m_random.below(int(std::size(kNoteTypes)))];
        // One note in twenty is a group note: no contact, the group instead.
        const bool groupNote = m_random.chance(5) && !m_groupIds.isEmpty();
        row.clear();
        row.set(1, m_random.uniqueId(m_usedIds));
        row.set(6, someUser());
        row.set(25, qlonglong(type));
        row.set(26, noteText(type));
        row.setDateTime(27, moment(730, 0));
        row.set(28, type == 101 ? m_random.pick(ActDemoNames::attachments()) : QString());
        row.set(29, groupNote ? QString() : someContact().id);
        row.set(30, groupNote ? m_groupIds.at(m_random.below(int(m_groupIds.size()))) : QString());
        writer.append(row.values());
    }
}

void ActDemoGenerator::writeSales()
{
    ActDemoRow row(ActTableKind::Sales);
    createTable(ActTableKind::Sales, row);
    dbf::DbfWriter writer(m_files.tableFile(ActTableKind::Sales));
    dbf::DbfWriter::Batch batch(writer);
    const int count = m_options.contacts / 2;
    for (int i = 0; i < count; ++i) {
        const bool groupSale = m_random.chance(3);
        const Contact &c = someContact();
        const QDateTime close = moment(365, 180);
        const int probability = m_random.between(1, 10) * 10;
        const double price = m_random.between(50, 250000) / 2.0;
        const double quantity = m_random.between(1, 40);
        const QString status = close.date() > m_today ? QStringLiteral("Offen")
                               : probability >= 50    ? QStringLiteral("Gewonnen")
                                                      : QStringLiteral("Verloren");
        row.clear();
        row.set(1, m_random.uniqueId(m_usedIds));
        row.set(6, someUser());
        row.set(25, groupSale ? QString() : c.id);
        row.set(27, m_random.pick(ActDemoNames::products()));
        row.set(30, qlonglong(probability));
        row.setDateTime(31, close);
        row.set(32, price);
        row.set(33, quantity);
        row.set(34, price * quantity);
        row.setDateTime(35, close.addDays(-m_random.between(10, 200)));
        row.set(36, m_random.chance(30)
                        ? QStringLiteral("Angebot über %1 Stück.\r\nLieferung frei Haus, Zahlung 30 Tage netto.")
                              .arg(qlonglong(quantity))
                        : QString());
        row.set(38, m_random.pick(ActDemoNames::salesStages()));
        row.set(39, status);
        row.set(200, groupSale ? QString() : c.company);
        row.set(201, groupSale ? QString() : c.name);
        row.set(202, m_random.pick(ActDemoNames::competitors()));
        writer.append(row.values());
    }
}

void ActDemoGenerator::writeActivities()
{
    ActDemoRow row(ActTableKind::Activity);
    createTable(ActTableKind::Activity, row);
    dbf::DbfWriter writer(m_files.tableFile(ActTableKind::Activity));
    dbf::DbfWriter::Batch batch(writer);
    const int count = m_options.contacts * 3 / 2;
    QString seriesId;
    int seriesLeft = 0;
    for (int i = 0; i < count; ++i) {
        const QString id = m_random.uniqueId(m_usedIds);
        const Contact &main = someContact();
        // Most activities are scheduled with one contact; some with up to four.
        QStringList with = {main.id};
        if (m_random.chance(15))
            for (int k = m_random.between(1, 3); k > 0; --k) {
                const QString &other = someContact().id;
                if (!with.contains(other))
                    with << other;
            }
        for (const QString &contact : with)
            m_relations.append({contact, id, kSchedule});
        if (seriesLeft == 0 && m_random.chance(5)) {
            seriesId = m_random.uniqueId(m_usedIds);
            seriesLeft = m_random.between(2, 5);
        }
        const int type = m_random.below(3);
        const QDateTime start = moment(300, 120);
        const int minutes = type == 1 ? m_random.between(2, 8) * 15 : m_random.between(1, 4) * 5;
        const bool done = start.date() < m_today && m_random.chance(80);
        row.clear();
        row.set(1, id);
        row.set(5, qlonglong(m_random.chance(85) ? 1 : 2));
        row.set(25, qlonglong(type));
        row.set(26, qlonglong(m_random.below(3)));
        row.set(27, m_random.pick(ActDemoNames::activitySubjects()));
        row.setDateTime(28, start);
        row.setDateTime(29, start.addSecs(minutes * 60));
        row.set(30, qlonglong(minutes));
        row.set(31, qlonglong(type == 2 && m_random.chance(50) ? 1 : 0));
        row.set(32, qlonglong(m_random.below(8)));
        row.set(33, qlonglong(m_random.chance(40) ? 1 : 0));
        row.set(35, qlonglong(m_random.chance(10) ? 1 : 0));
        row.set(36, type == 1 ? m_random.pick(ActDemoNames::meetingPlaces()) : QString());
        row.set(37, someUser());
        row.set(38, someUser());
        row.set(39, m_random.chance(10) ? m_groupIds.at(m_random.below(int(m_groupIds.size()))) : QString());
        row.set(40, main.id);
        row.set(41, qlonglong(done ? 1 : 0));
        row.set(42, seriesLeft > 0 ? seriesId : QString());
        row.set(43, seriesLeft > 0 ? QStringLiteral("wöchentlich") : QString());
        if (done)
            row.setDateTime(44, start.addSecs(minutes * 60 + 3600));
        row.set(45, m_random.chance(30)
                        ? QStringLiteral("Vorbereitung: Unterlagen sichten.\r\nTeilnehmer: %1").arg(main.name)
                        : QString());
        row.set(46, done ? m_random.pick(ActDemoNames::activityResults()) : QString());
        row.set(47, m_random.pick(ActDemoNames::activityCategories()));
        row.set(100, qlonglong(with.size()));
        row.set(101, qlonglong(m_random.below(5) * 15));
        writer.append(row.values());
        if (seriesLeft > 0)
            --seriesLeft;
    }
}

void ActDemoGenerator::writeEmails()
{
    ActDemoRow row(ActTableKind::Email);
    createTable(ActTableKind::Email, row);
    dbf::DbfWriter writer(m_files.tableFile(ActTableKind::Email));
    dbf::DbfWriter::Batch batch(writer);
    const int count = m_options.contacts / 10;
    for (int i = 0; i < count; ++i) {
        const Contact &c = someContact();
        row.clear();
        row.set(1, m_random.uniqueId(m_usedIds));
        row.set(6, someUser());
        row.set(25, m_random.pick(ActDemoNames::emailSubjects()));
        row.set(26, QStringLiteral("vertrieb@datolux-demo.de"));
        row.set(27, c.email);
        row.setDateTime(28, moment(400, 0));
        row.set(29, QStringLiteral("Sehr geehrte Damen und Herren,\r\n\r\nanbei die gewünschten Unterlagen.\r\n\r\n"
                                   "Mit freundlichen Grüßen\r\nIhr Vertriebsteam"));
        row.set(30, c.id);
        writer.append(row.values());
    }
}

void ActDemoGenerator::writeRelations()
{
    ActDemoRow row(ActTableKind::Relation);
    createTable(ActTableKind::Relation, row);
    dbf::DbfWriter writer(m_files.tableFile(ActTableKind::Relation));
    dbf::DbfWriter::Batch batch(writer);
    for (const Relation &r : qAsConst(m_relations)) {
        row.clear();
        row.setColumn("FIELD1", r.contact);
        row.setColumn("FIELD2", r.other);
        row.setColumn("TYPE", QString::fromLatin1(r.type));
        writer.append(row.values());
    }
}

} // namespace actserver
