// The in-memory demo database of the application tests.
#include "ActAppFixture.h"

using actserver::ActRecordKind;

QString contactId(int i) { return QStringLiteral("K%1").arg(i, 11, 10, QLatin1Char('0')); }
QString groupId(int i) { return QStringLiteral("GRUPPE%1").arg(i, 4, 10, QLatin1Char('0')); }
QString noteId(int i) { return QStringLiteral("N%1").arg(i, 11, 10, QLatin1Char('0')); }
QString saleId(int i) { return QStringLiteral("S%1").arg(i, 11, 10, QLatin1Char('0')); }
QString activityId(int i) { return QStringLiteral("A%1").arg(i, 11, 10, QLatin1Char('0')); }

std::unique_ptr<MemoryAppStore> makeDemoStore(const QString &path)
{
    auto store = std::make_unique<MemoryAppStore>(path);
    for (int i = 1; i <= 25; ++i)
        store->add(ActRecordKind::Contact, contactId(i),
                   {{2, QStringLiteral("Firma %1").arg(i)}, {19, QStringLiteral("Müller%1").arg(i)}});
    store->add(ActRecordKind::Group, groupId(1), {{25, QStringLiteral("Kunden")}});
    store->add(ActRecordKind::Group, groupId(2), {{25, QStringLiteral("Kunden Nord")}, {55, groupId(1)}});
    store->add(ActRecordKind::Group, groupId(3), {{25, QStringLiteral("Lieferanten")}});
    store->addRelation(contactId(1), groupId(1), actserver::kRelationGroupMember);
    // Contact 1: notes 1 and 3, contact 2: note 2; group 1: note 4.
    store->add(ActRecordKind::Notes, noteId(1), {{29, contactId(1)}, {26, QStringLiteral("Erstgespräch")}});
    store->add(ActRecordKind::Notes, noteId(2), {{29, contactId(2)}});
    store->add(ActRecordKind::Notes, noteId(3), {{29, contactId(1)}, {26, QStringLiteral("Angebot")}});
    store->add(ActRecordKind::Notes, noteId(4), {{30, groupId(1)}});
    store->add(ActRecordKind::Sales, saleId(1), {{25, contactId(2)}});
    store->add(ActRecordKind::Sales, saleId(2), {{25, contactId(1)}});
    // Activity 1 with contact 1 directly, activity 2 scheduled with contacts 1 and 2, 3 for group 1.
    store->add(ActRecordKind::Activity, activityId(1), {{40, contactId(1)}});
    store->add(ActRecordKind::Activity, activityId(2), {{40, contactId(2)}});
    store->add(ActRecordKind::Activity, activityId(3), {{39, groupId(1)}});
    store->addRelation(contactId(1), activityId(2), actserver::kRelationScheduledWith);
    store->writes = 0;
    return store;
}

ActAppFixture::ActAppFixture()
    : state([this](const QString &path) -> std::unique_ptr<actserver::ActAppStore> {
          auto s = makeDemoStore(path);
          store = s.get();
          return s;
      })
{
    state.openDatabase(QStringLiteral("/daten/DEMO.dbf"));
}
