// The attribute commands a user gives in the table's context menu: rename, delete, insert a
// derived attribute (a copy, the year or the month of a date), create a folder, move into or out of
// a folder. Each ends with the table's Notify, so the program learns that the table was redefined.
#pragma once

#include "InfoZoomAttribute.h"

#include <QString>

class InfoZoomTable;

class AttributeCommands
{
public:
    enum class Derived { Copy, Year, Month };

    explicit AttributeCommands(InfoZoomTable &table) : m_table(table) {}

    void rename(const InfoZoomAttributeNode &node, const QString &name);
    void remove(const InfoZoomAttributeNode &node);
    void setFormat(const InfoZoomAttribute &attribute, const QString &format);
    // Inserts the derived attribute right after its source and returns it.
    InfoZoomAttribute insertDerived(const InfoZoomAttribute &source, Derived kind);
    // A new folder at the entry's place, with the entry inside.
    InfoZoomAttributeNode createFolder(const InfoZoomAttributeNode &node, const QString &name);
    // Moves an entry to a folder (the top level when `folder` is empty) at index (-1: the end).
    bool move(const InfoZoomAttributeNode &node, const InfoZoomAttributeNode &folder, int index);
    // The user begins to move attributes (dragging a header, or the move menu opened).
    void beginMove();

    // The year or month of a date text ("31.12.2024", "31.12.2024 10:00:00", "2024-12-31"); empty
    // when the text is no date.
    static QVariant datePart(const QVariant &value, Derived kind);

private:
    void notify(const QString &command, const QString &detail);

    InfoZoomTable &m_table;
};
