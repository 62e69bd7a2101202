// An INI file held as its lines, read and changed with the rules of the platform's profile
// functions while every line that is not changed keeps its exact bytes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace project {

class IniDocument
{
public:
    IniDocument() = default;

    // The file's bytes in Windows-1252; lines may end in CR LF or LF (kept as found).
    static IniDocument fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    // The lines of a file's text, split as fromBytes splits them, as views without their ends.
    static std::vector<QStringView> splitLines(QStringView text);
    // The value of the first line of Key in the first section named Section among such lines (both
    // compared without regard to case): blanks around it removed, and enclosing quotes too. No value
    // when the section or the key is absent. Reading needs no document (and no copy of the lines).
    static std::optional<QString> valueIn(const std::vector<QStringView> &lines, const QString &section,
                                          const QString &key);

    // Replaces the key's line in place, appends a new key after the last line of its section, or
    // creates the section at the end of the file. An unset value removes the key's line. New lines
    // end in CR LF. Line breaks inside the value become blanks, so that a value can never add lines
    // (keys or sections) of its own to the file.
    void setValue(const QString &section, const QString &key, const std::optional<QString> &value);

private:
    struct Line
    {
        QString text;
        QString end; // "\r\n", "\n" or "" for a last line without a line end
    };
    static std::optional<QString> sectionName(QStringView text);
    static std::optional<QString> keyName(QStringView text);
    // Index of the header line of the section, or -1.
    static int findSection(const std::vector<QStringView> &lines, const QString &section);
    // One past the last line that belongs to the section whose header is at headerIndex.
    static int sectionEnd(const std::vector<QStringView> &lines, int headerIndex);
    static int findKey(const std::vector<QStringView> &lines, int headerIndex, const QString &key);
    std::vector<QStringView> lineViews() const;
    void insertLine(int index, const QString &text);

    QList<Line> m_lines;
};

} // namespace project
