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

QString trimBlanks(const QString &text)
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

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument doc;
    const QString text = windows1252::decode(bytes);
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), pos);
        if (lf < 0) {
            doc.m_lines.append({text.mid(pos), QString()});
            break;
        }
        const bool cr = lf > pos && text.at(lf - 1) == QLatin1Char('\r');
        const qsizetype contentEnd = cr ? lf - 1 : lf;
        doc.m_lines.append({text.mid(pos, contentEnd - pos), text.mid(contentEnd, lf + 1 - contentEnd)});
        pos = lf + 1;
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

std::optional<QString> IniDocument::sectionName(const QString &text)
{
    const QString trimmed = trimBlanks(text);
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return trimBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
}

std::optional<QString> IniDocument::keyName(const QString &text)
{
    const QString trimmed = trimBlanks(text);
    const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
    if (eq < 0 || trimmed.startsWith(QLatin1Char(';')))
        return std::nullopt;
    return trimBlanks(trimmed.left(eq));
}

int IniDocument::findSection(const QString &section) const
{
    const QString wanted = trimBlanks(section);
    for (int i = 0; i < m_lines.size(); ++i) {
        const std::optional<QString> name = sectionName(m_lines.at(i).text);
        if (name && name->compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int headerIndex) const
{
    int i = headerIndex + 1;
    while (i < m_lines.size() && !sectionName(m_lines.at(i).text))
        ++i;
    return i;
}

int IniDocument::findKey(int headerIndex, const QString &key) const
{
    const QString wanted = trimBlanks(key);
    const int end = sectionEnd(headerIndex);
    for (int i = headerIndex + 1; i < end; ++i) {
        const std::optional<QString> name = keyName(m_lines.at(i).text);
        if (name && name->compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const int header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const int line = findKey(header, key);
    if (line < 0)
        return std::nullopt;
    const QString &text = m_lines.at(line).text;
    return withoutQuotes(trimBlanks(text.mid(text.indexOf(QLatin1Char('=')) + 1)));
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
    const int header = findSection(section);
    if (header < 0) {
        if (!value)
            return;
        insertLine(m_lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
        insertLine(m_lines.size(), line);
        return;
    }
    const int existing = findKey(header, key);
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
    int after = sectionEnd(header) - 1;
    while (after > header && trimBlanks(m_lines.at(after).text).isEmpty())
        --after;
    insertLine(after + 1, line);
}

} // namespace project
