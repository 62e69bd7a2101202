// The per-kind constants of the record classes.
#include "RecordKind.h"

namespace records {

namespace {

constexpr std::array<int, 3> kColour4{195, 195, 195};
constexpr std::array<int, 3> kColour5{172, 172, 172};

RecordKind make(const char *kind, const char *table, const char *load, const char *transfer, const char *abort,
                int interval, const char *emptyDate, std::array<int, 3> main, std::array<int, 3> c1,
                std::array<int, 3> c2, std::array<int, 3> c3)
{
    return RecordKind{QString::fromUtf8(kind),      QString::fromUtf8(table),
                      QString::fromUtf8(load),      QString::fromUtf8(transfer),
                      QString::fromUtf8(abort),     interval,
                      QString::fromUtf8(emptyDate), {main, c1, c2, c3, kColour4, kColour5}};
}

} // namespace

const RecordKind &RecordKind::of(TableKind kind)
{
    static const std::array<RecordKind, 6> kinds{
        make("Kontakte", "Kontakttabelle", "Kontakttabelle wird geladen...", "Übertrage Kontaktdaten... (",
             "Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!", 57, "1/1/1970 0:0:0", {0, 0, 153},
             {202, 202, 255}, {202, 202, 255}, {183, 183, 255}),
        make("Notizen", "Notiztabelle", "Notiztabelle wird geladen...", "Übertrage Notizdaten... (",
             "Aktion wurde abgebrochen! Es wurden nicht alle Notizdaten eingelesen!", 53, "1.1.1980", {255, 153, 0},
             {255, 211, 147}, {255, 207, 136}, {255, 189, 89}),
        make("Aufträge", "Auftragstabelle", "Auftragstabelle wird geladen...", "Übertrage Auftragsdaten... (",
             "Aktion wurde abgebrochen! Es wurden nicht alle Auftragsdaten eingelesen!", 53, "1.1.1980", {0, 153, 62},
             {183, 255, 196}, {202, 255, 224}, {183, 255, 196}),
        make("Aufgaben", "Aufgabentabelle", "Aufgabentabelle wird geladen...", "Übertrage Aufgabendaten... (",
             "Aktion wurde abgebrochen! Es wurden nicht alle Aufgabendaten eingelesen!", 53, "1/1/1970 0:0:0",
             {153, 0, 0}, {255, 183, 183}, {255, 202, 202}, {255, 183, 183}),
        make("ADODaten", "Tabelle der externen Daten", "", "Übertrage externe Daten... (",
             "Aktion wurde abgebrochen! Es wurden nicht alle externen Daten eingelesen!", 53, "1/1/1970 0:0:0",
             {106, 106, 0}, {255, 255, 128}, {255, 255, 170}, {255, 255, 128}),
        make("Gruppen", "Gruppentabelle", "Gruppentabelle wird geladen...", "Übertrage Gruppendaten... (",
             "Aktion wurde abgebrochen! Es wurden nicht alle Daten eingelesen!", 17, "1/1/1970 0:0:0", {97, 97, 48},
             {220, 220, 184}, {234, 234, 213}, {220, 220, 184}),
    };
    return kinds[size_t(kind)];
}

} // namespace records
