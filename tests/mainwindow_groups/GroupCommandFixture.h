// The main window over a demo database large enough that every group has members, with helpers that
// read the groups into the lower table and find and select their rows.
#pragma once

#include "mainwindow_project/ProjectCommandFixture.h"

#include "mainwindow/GroupCommands.h"
#include "mainwindow/StatusBarPanel.h"
#include "records/clGruppen.h"

class GroupCommandFixture : public ProjectCommandFixture
{
public:
    static void SetUpTestSuite()
    {
        ProjectCommandFixture::SetUpTestSuite();
        actserver::ActDemoOptions options;
        options.contacts = 300;
        options.singleUser = true;
        QString error;
        ASSERT_TRUE(actserver::ActDemoDatabase::create(s_databases->path(), QStringLiteral("Gruppen"), options, &error))
            << error.toStdString();
    }

protected:
    static QString groupsDb() { return s_databases->filePath(QStringLiteral("Gruppen.dbf")); }

    // A new project over the groups database, its groups read anew with these fields.
    void projectWithGroups(const QStringList &fields = {QStringLiteral("Gruppenname")})
    {
        newProject(groupsDb());
        ui.expectMsgBox(platform::MsgIcon::Question,
                        QStringLiteral("Sollen die Gruppen neu aus der ACT!-Datenbank eingelesen werden?"),
                        platform::MsgAnswer::Yes)
            .expectModal(tick(fields));
        run("mnuReadGroups");
    }

    InfoZoomTable *lower() const { return window->InfoZoomExtra()->Table(); }
    static records::clGruppen *gruppen() { return mainwindow::GroupCommands::Gruppen(); }
    QString status() const { return window->StatusPanel()->text(); }

    InfoZoomAttribute attribute(const QString &importName) const
    {
        return InfoZoomAttribute(records::RecordClassBase::FindAttribute(lower()->Attributes(), importName));
    }
    InfoZoomAttribute nameAttribute() const { return attribute(QStringLiteral("ACTFieldID|25")); }

    // The group names of the rows in view, each once, sorted.
    QStringList groupsInView() const
    {
        QStringList names = column(lower()->CurrentObjects(), nameAttribute());
        names.removeDuplicates();
        names.sort();
        return names;
    }
    // The unique-ID value of a group, by name.
    QString idOf(const QString &name) const
    {
        InfoZoomObjects all = lower()->Objects();
        all.Reset();
        for (int i = 0; i < all.Count(); ++i) {
            const InfoZoomObject row = all.NextObject();
            if (row.Value(nameAttribute()).toString() == name)
                return row.Value(gruppen()->UniqueIDAttribute()).toString();
        }
        ADD_FAILURE() << "no rows of " << name.toStdString();
        return {};
    }
    // Selects exactly one row of the group: its ID and the member of its first row.
    void selectOneRow(const QString &name)
    {
        const QString id = idOf(name);
        InfoZoomAttribute member = gruppen()->SyncFieldAttribute();
        QString firstMember;
        InfoZoomObjects all = lower()->Objects();
        all.Reset();
        for (int i = 0; i < all.Count() && firstMember.isEmpty(); ++i) {
            const InfoZoomObject row = all.NextObject();
            if (row.Value(gruppen()->UniqueIDAttribute()).toString() == id)
                firstMember = row.Value(member).toString();
        }
        gruppen()->UniqueIDAttribute().SelectValue(id, true);
        member.SelectValue(firstMember, true);
        ASSERT_EQ(lower()->SelectedObjects().Count(), 1);
    }
};
