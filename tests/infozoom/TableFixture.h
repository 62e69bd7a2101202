// Helpers of the table component tests: a small contact-like table and row/value readers.
#pragma once

#include "infozoom/InfoZoomTable.h"

#include <QStringList>
#include <QVariant>
#include <vector>

// Fills `table` with attributes Name, Ort, Typ, Anzahl (whole numbers) and the given rows.
struct SampleRow
{
    QString name;
    QString ort;
    QString typ;
    int anzahl;
};

inline std::vector<SampleRow> sampleRows()
{
    return {{"Anna", "Berlin", "Anruf", 3},   {"Bernd", "Hamburg", "Brief", 12}, {"Clara", "Berlin", "Brief", 7},
            {"Dieter", "München", "Anruf", 1}, {"Eva", "Berlin", "Termin", 12},  {"Frank", "Hamburg", "Anruf", 2}};
}

inline void fillSample(InfoZoomTable &table)
{
    InfoZoomAttributes level = table.Attributes();
    InfoZoomAttribute name = level.Add(QStringLiteral("Name"));
    InfoZoomAttribute ort = level.Add(QStringLiteral("Ort"));
    InfoZoomAttribute typ = level.Add(QStringLiteral("Typ"));
    InfoZoomAttribute anzahl = level.Add(QStringLiteral("Anzahl"));
    name.setImportName(QStringLiteral("ACTFieldID|1"));
    ort.setImportName(QStringLiteral("ACTFieldID|2"));
    typ.setImportName(QStringLiteral("ACTFieldID|3"));
    anzahl.setImportName(QStringLiteral("ACTFieldID|4"));
    anzahl.setFormat(QStringLiteral("####"));
    InfoZoomObjects objects = table.Objects();
    for (const SampleRow &r : sampleRows()) {
        InfoZoomObject o = objects.Add();
        o.setValue(name, r.name);
        o.setValue(ort, r.ort);
        o.setValue(typ, r.typ);
        o.setValue(anzahl, r.anzahl);
    }
}

inline InfoZoomAttribute attributeNamed(InfoZoomTable &table, const QString &name)
{
    InfoZoomAttributeList list = table.AttributeList();
    for (int i = 0; i < list.Count(); ++i)
        if (table.AttributeItem(i).Name() == name)
            return table.AttributeItem(i);
    return {};
}

// The names (first attribute) of the rows of a set, walked as the callers walk it.
inline QStringList namesOf(InfoZoomTable &table, InfoZoomObjects set)
{
    InfoZoomAttribute name = attributeNamed(table, QStringLiteral("Name"));
    QStringList result;
    set.Reset();
    const int n = set.Count();
    for (int i = 0; i < n; ++i)
        result << set.NextObject().Value(name).toString();
    return result;
}
