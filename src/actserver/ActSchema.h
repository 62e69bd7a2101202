// The schema of an ACT! database: for each table its file extension, logical name and fields, each
// field with its ACT! field id, German label, ACT! type code and the dBase column that stores it.
#pragma once

#include <QList>
#include <QString>

namespace actserver {

// The tables of one database, numbered as the table reader numbers its kinds.
enum class ActTableKind
{
    Contact = 0,
    Group = 1,
    Notes = 2,
    Activity = 3,
    Email = 4,
    Relation = 5,
    Sales = 6
};

// ACT! field type codes. Text: 1-4, 14, 15; whole number 5; decimal 6; dates 7, 8, 10; time 9; ID 13.
namespace ActFieldType {
constexpr int Character = 1;
constexpr int Uppercase = 2;
constexpr int Phone = 3;
constexpr int Initial = 4;
constexpr int Number = 5;
constexpr int Currency = 6;
constexpr int Date = 7;
constexpr int DateReached = 8;
constexpr int Time = 9;
constexpr int DateEdited = 10;
constexpr int Id = 13;
constexpr int Zip = 14;
constexpr int Memo = 15;
} // namespace ActFieldType

struct ActFieldDef
{
    qint16 id;
    const char *label;      // German, UTF-8
    int type;               // ActFieldType
    const char *column;     // dBase column; nullptr for a field that no column stores (always empty)
    char dbfType;           // 'C', 'N', 'D', 'M'
    int length;             // C and N columns
    int decimals;           // N columns
    const char *timeColumn; // date fields that carry a time: the C(8) column "hh:mm:ss" beside the date
};

struct ActTableDef
{
    ActTableKind kind;
    const char *extension;   // of the table file: NAME.extension
    const char *logicalName; // the name SQL uses for the table, ACT_Contact ...
    QList<ActFieldDef> fields;
    // Columns stored in the file but not offered as ACT! fields (the relation table's columns).
    QList<ActFieldDef> plainColumns;

    const ActFieldDef *field(qint16 id) const;
};

class ActSchema
{
public:
    static const ActTableDef &table(ActTableKind kind);
    static const QList<ActTableKind> &allKinds();

    // Width of every unique ID, in characters.
    static constexpr int kIdLength = 12;
    // Column that holds the record's unique ID in every table but the relation table.
    static const char *uniqueIdColumn() { return "UNIQUE_ID"; }
};

} // namespace actserver
