// The snapshot the data overview shows: the ACT! database of the project and, per ACT! table kind,
// the date of the table in the project, the date of its ACT! file and the table file.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace mainwindow {

struct DatenuebersichtRow
{
    QString kind;         // "Kontakte", "Notizen", "Aufträge", "Aufgaben", "Gruppen"
    QDateTime tableDate;  // the descriptor's date; the missing date when never read
    QDateTime sourceDate; // modification time of the ACT! file; the missing date when it does not exist
    QString tableFile;    // the descriptor's table file path
};

struct DatenuebersichtData
{
    QString databasePath;
    QString databaseName;
    QString databaseUser;
    QStringList userNames; // users 1 to n of the ACT! database
    bool projectSaved = false;
    QList<DatenuebersichtRow> rows;
};

} // namespace mainwindow
