// The constants of each kind of data a record class reads: its TableKind word, status texts,
// progress interval, empty date and colour scheme.
#pragma once

#include <QString>
#include <array>

namespace records {

enum class TableKind { Kontakte, Notizen, Auftraege, Aufgaben, ADODaten, Gruppen };

struct RecordKind
{
    QString tableKind;    // "Kontakte", "Notizen", "Aufträge", "Aufgaben", "ADODaten", "Gruppen"
    QString tableName;    // the table as messages name it: "Notiztabelle", ...
    QString loadText;     // shown while a table file loads; empty for external data
    QString transferText; // followed by "r/N)" while records are transferred
    QString abortText;    // ends a read that stopped early
    int progressInterval; // progress text and cancel test every this many records
    QString emptyDate;    // stands for an empty date value read from the source
    // Main colour, then colours 1 to 5, each red, green, blue.
    std::array<std::array<int, 3>, 6> colours;

    static const RecordKind &of(TableKind kind);
};

} // namespace records
