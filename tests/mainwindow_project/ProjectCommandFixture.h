// The main window loaded over demo ACT! databases, with the scripted UI answering the questions and
// dialogs of the project commands, and helpers that read the tables and the project file.
#pragma once

#include "mainwindow/MainWindowFixture.h"

#include "actlink/frmACTLogin.h"
#include "actserver/ActDemoDatabase.h"
#include "project/ProgramSettings.h"
#include "records/clKontakte.h"
#include "records/frmFelder.h"
#include "infozoom/InfoZoomTable.h"
#include "platform/FileTransaction.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTemporaryDir>

class ProjectCommandFixture : public MainWindowFixture
{
public:
    static void SetUpTestSuite()
    {
        s_databases = std::make_unique<QTemporaryDir>();
        QString error;
        actserver::ActDemoOptions single;
        single.contacts = 60;
        single.singleUser = true;
        ASSERT_TRUE(actserver::ActDemoDatabase::create(s_databases->path(), QStringLiteral("Einzel"), single, &error));
        actserver::ActDemoOptions multi;
        multi.contacts = 130;
        ASSERT_TRUE(actserver::ActDemoDatabase::create(s_databases->path(), QStringLiteral("Mehrplatz"), multi, &error));
    }
    static void TearDownTestSuite() { s_databases.reset(); }

protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(m_work.isValid());
        project::setOptionsFile(m_work.filePath(QStringLiteral("Datolux.ini")));
        QDir(m_work.path()).mkpath(QStringLiteral("A"));
        QDir(m_work.path()).mkpath(QStringLiteral("B"));
        load();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        platform::FileTransaction::setTestHook({});
        records::frmFelder::Unload();
        project::setOptionsFile(QString());
    }

    static QString singleDb() { return s_databases->filePath(QStringLiteral("Einzel.dbf")); }
    static QString multiDb() { return s_databases->filePath(QStringLiteral("Mehrplatz.dbf")); }
    QString folder(const QString &name) const { return m_work.filePath(name); }

    void run(const char *command) { window->RunMenuCommand(QString::fromLatin1(command)); }

    // The field dialog's answer: tick the fields with these labels, then OK.
    static std::function<int(QDialog *)> tick(const QStringList &labels)
    {
        return [labels](QDialog *d) {
            auto *dialog = dynamic_cast<records::frmFelder *>(d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return int(QDialog::Rejected);
            for (int i = 0; i < dialog->itemCount(); ++i)
                if (labels.contains(dialog->itemText(i)))
                    dialog->setChecked(i, true);
            dialog->cmdOk_Click();
            return int(QDialog::Accepted);
        };
    }
    static std::function<int(QDialog *)> cancelFields()
    {
        return [](QDialog *d) {
            dynamic_cast<records::frmFelder *>(d)->cmdAbbruch_Click();
            return int(QDialog::Rejected);
        };
    }

    // The multi-user database's login, answered as Anna Schäfer.
    static std::function<int(QDialog *)> loginAsAnna()
    {
        return [](QDialog *d) {
            auto *login = dynamic_cast<actlink::frmACTLogin *>(d);
            EXPECT_NE(login, nullptr);
            if (!login)
                return int(QDialog::Rejected);
            login->txbBenutzername()->setText(QString::fromUtf8("Anna Schäfer"));
            login->txbKennwort()->setText(QStringLiteral("Kontakt#1"));
            login->cmdOk()->click();
            return int(QDialog::Accepted);
        };
    }
    // The answers of a new project over the multi-user database with the field Firma.
    platform::ScriptedUi &expectNewMultiProject(const QString &name = QStringLiteral("Team"))
    {
        return ui.expectFileDialog(QStringList{multiDb()})
            .expectModal(loginAsAnna())
            .expectInputBox(QStringLiteral("Projektnamen"), name)
            .expectModal(tick({QStringLiteral("Firma")}));
    }
    // A new project over the single-user database named Kunden, with the fields Firma and Ort.
    void newProject(const QString &database = singleDb(), const QString &name = QStringLiteral("Kunden"))
    {
        ui.expectFileDialog(QStringList{database})
            .expectInputBox(QStringLiteral("Bitte geben Sie den Projektnamen ein:"), name)
            .expectModal(tick({QStringLiteral("Firma"), QStringLiteral("Ort")}));
        run("mnuNewProject");
    }
    // newProject, then saved into folder.
    void savedProject(const QString &folderName)
    {
        newProject();
        ui.expectFolder(folder(folderName));
        run("mnuSaveProject");
    }

    // The attribute (not a folder) of that name anywhere in the table's tree; null when there is none.
    static InfoZoomAttribute attributeNamed(InfoZoomTable *table, const QString &name)
    {
        for (int i = 0; i < table->AttributeList().Count(); ++i)
            if (table->AttributeItem(i).Name() == name && table->AttributeItem(i).NodeType() == 1)
                return InfoZoomAttribute(table->AttributeItem(i));
        return {};
    }
    int upperRows() const { return window->InfoZoomKontakt()->Table()->Objects().Count(); }
    QStringList upperAttributes() const
    {
        QStringList names;
        InfoZoomTable *table = window->InfoZoomKontakt()->Table();
        for (int i = 0; i < table->AttributeList().Count(); ++i)
            names << table->AttributeItem(i).Name();
        return names;
    }
    bool enabled(const char *menu) const { return window->Menu(QString::fromLatin1(menu))->isEnabled(); }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static std::unique_ptr<QTemporaryDir> s_databases;
    QTemporaryDir m_work;
};

inline std::unique_ptr<QTemporaryDir> ProjectCommandFixture::s_databases;
