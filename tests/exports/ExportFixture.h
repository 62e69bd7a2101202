// A loaded main window with the scripted UI and a project, and helpers that fill its tables.
#pragma once

#include "GTestScriptedUi.h"

#include "mainwindow/ExportCommands.h"
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/frmHaupt.h"
#include "mainwindow/modHaupt.h"
#include "project/clProjekt.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QApplication>
#include <QHash>
#include <gtest/gtest.h>
#include <memory>

class ExportFixture : public ::testing::Test
{
protected:
    GTestScriptedUi ui;
    QHash<QString, QVariant> options;
    std::unique_ptr<mainwindow::frmHaupt> window;

    void SetUp() override
    {
        modHaupt::Projekt = std::make_unique<project::clProjekt>();
        modHaupt::Projekt->setName(QStringLiteral("Analyse"));
        modHaupt::Projekt->setACTDatenbank(QStringLiteral("/daten/act/Firma.dbf"));
        mainwindow::MainWindowEnvironment env;
        env.getOption = [this](const QString &key) { return options.value(key); };
        env.setOption = [this](const QString &key, const QVariant &value) { options.insert(key, value); };
        env.screenSizeTwips = [] { return QSize(1600 * 15, 1000 * 15); };
        window = std::make_unique<mainwindow::frmHaupt>(env);
        window->Form_Load();
    }

    void TearDown() override
    {
        window.reset();
        modHaupt::UnloadMainWindow();
    }

    InfoZoomTable *upper() const { return window->InfoZoomKontakt()->Table(); }
    InfoZoomTable *lower() const { return window->InfoZoomExtra()->Table(); }
    mainwindow::ExportCommands *exports() const { return window->findChild<mainwindow::ExportCommands *>(); }

    // One attribute "Ort" (selected when asked) in a folder, one more attribute, and the values in rows.
    static InfoZoomAttribute fill(InfoZoomTable *table, const QVariantList &values, bool select = true)
    {
        InfoZoomAttributes top = table->Attributes();
        InfoZoomAttribute name = top.Add(QStringLiteral("Name"));
        InfoZoomAttributeNode folder = top.AddFolder(QStringLiteral("Adresse"));
        InfoZoomAttribute ort = folder.Attributes().Add(QStringLiteral("Ort"));
        InfoZoomObjects rows = table->Objects();
        int i = 0;
        for (const QVariant &value : values) {
            InfoZoomObject row = rows.Add();
            row.setValue(name, QStringLiteral("n%1").arg(++i));
            row.setValue(ort, value);
        }
        if (select)
            ort.setSelected(true);
        return ort;
    }

    static QVariantList texts(const QStringList &values)
    {
        QVariantList list;
        for (const QString &value : values)
            list << value;
        return list;
    }

    QString status() const { return window->StatusPanel()->text(); }
    bool controlsEnabled() const { return window->Menu(QStringLiteral("mnuDatei"))->isEnabled(); }
};
