// Line-preserving INI reading and editing.
#include "IniDocument.h"

#include "Windows1252.h"

namespace project {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// A view, so that looking at a very long line copies none of it.
QStringView trimBlanks(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

QString withoutQuotes(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

QString singleLine(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

std::vector<QStringView> IniDocument::splitLines(QStringView text)
{
    std::vector<QStringView> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), pos);
        if (lf < 0) {
            lines.push_back(text.mid(pos));
            break;
        }
        const bool cr = lf > pos && text.at(lf - 1) == QLatin1Char('\r');
        lines.push_back(text.mid(pos, (cr ? lf - 1 : lf) - pos));
        pos = lf + 1;
    }
    return lines;
}

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument doc;
    const QString text = windows1252::decode(bytes);
    for (const QStringView line : splitLines(text)) {
        const qsizetype contentEnd = line.data() - text.data() + line.size();
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), contentEnd);
        doc.m_lines.append({line.toString(), lf < 0 ? QString() : text.mid(contentEnd, lf + 1 - contentEnd)});
    }
    return doc;
}

QByteArray IniDocument::toBytes() const
{
    QString text;
    for (const Line &line : m_lines)
        text += line.text + line.end;
    return windows1252::encode(text);
}

std::optional<QString> IniDocument::sectionName(QStringView text)
{
    const QStringView trimmed = trimBlanks(text);
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return trimBlanks(close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).toString();
}

std::optional<QString> IniDocument::keyName(QStringView text)
{
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return trimBlanks(trimmed.left(eq)).toString();
}

std::vector<QStringView> IniDocument::lineViews() const
{
    std::vector<QStringView> views;
    views.reserve(size_t(m_lines.size()));
    for (const Line &line : m_lines)
        views.emplace_back(line.text);
    return views;
}

int IniDocument::findSection(const std::vector<QStringView> &lines, const QString &section)
{
    const QString wanted = trimBlanks(section).toString();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines[i]);
        if (name && name->compare(wanted, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int IniDocument::sectionEnd(const std::vector<QStringView> &lines, int headerIndex)
{
    size_t i = size_t(headerIndex) + 1;
    while (i < lines.size() && !sectionName(lines[i]))
        ++i;
    return int(i);
}

int IniDocument::findKey(const std::vector<QStringView> &lines, int headerIndex, const QString &key)
{
    const QString wanted = trimBlanks(key).toString();
    const int end = sectionEnd(lines, headerIndex);
    for (int i = headerIndex + 1; i < end; ++i) {
        const std::optional<QString> name = keyName(lines[size_t(i)]);
        if (name && name->compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::valueIn(const std::vector<QStringView> &lines, const QString &section,
                                            const QString &key)
{
    const int header = findSection(lines, section);
    if (header < 0)
        return std::nullopt;
    const int line = findKey(lines, header, key);
    if (line < 0)
        return std::nullopt;
    const QStringView text = lines[size_t(line)];
    return withoutQuotes(trimBlanks(text.mid(text.indexOf(QLatin1Char('=')) + 1)).toString());
}

void IniDocument::insertLine(int index, const QString &text)
{
    // The line before the new one may be the file's last line without a line end.
    if (index > 0 && m_lines.at(index - 1).end.isEmpty())
        m_lines[index - 1].end = kCrLf;
    m_lines.insert(index, {text, kCrLf});
}

void IniDocument::setValue(const QString &section, const QString &key, const std::optional<QString> &value)
{
    const QString line = value ? key + QLatin1Char('=') + singleLine(*value) : QString();
    const std::vector<QStringView> lines = lineViews();
    const int header = findSection(lines, section);
    if (header < 0) {
        if (!value)
            return;
        insertLine(m_lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
        insertLine(m_lines.size(), line);
        return;
    }
    const int existing = findKey(lines, header, key);
    if (existing >= 0) {
        if (value)
            m_lines[existing].text = line;
        else
            m_lines.removeAt(existing);
        return;
    }
    if (!value)
        return;
    // After the section's last non-blank line, so blank lines before the next section stay there.
    int after = sectionEnd(lines, header) - 1;
    while (after > header && trimBlanks(m_lines.at(after).text).isEmpty())
        --after;
    insertLine(after + 1, line);
}

} // namespace project
