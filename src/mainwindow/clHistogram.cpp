// The frequency count.
#include "clHistogram.h"

#include "platform/UiServices.h"
#include "project/Windows1252.h"

namespace mainwindow {

int clHistogram::BucketOf(const QString &value)
{
    if (value.isEmpty())
        return 0;
    const char16_t code = value.front().unicode();
    // Windows-1252 agrees with Unicode below 0x80 and from 0xA0 to 0xFF.
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return code;
    const QByteArray bytes = project::windows1252::encode(QString(value.front()));
    return bytes.isEmpty() ? '?' : static_cast<unsigned char>(bytes.front());
}

void clHistogram::AddItem(const QString &value)
{
    const auto found = m_index.constFind(value);
    if (found != m_index.constEnd()) {
        found.value()->increment();
    } else {
        clHistItem &item = m_buckets[static_cast<std::size_t>(BucketOf(value))].Add(value, 1, QString());
        m_index.insert(value, &item);
    }
    ++m_itemCount;
    // A look-up is one comparison now; events still run at the same rate of comparisons, so a
    // cancel click reaches a long count.
    if (m_itemCount % EventsEvery == 0)
        platform::DoEvents();
}

QString clHistogram::DumpAll(const PanelText &panel)
{
    QString text;
    long long written = 0;
    for (const clHistItems &bucket : m_buckets) {
        for (const clHistItem &item : bucket) {
            if (!text.isEmpty())
                text += QLatin1String("\r\n");
            text += item.valueRef().isEmpty() ? QStringLiteral("<<LEER>>") : item.valueRef();
            text += QLatin1Char('\t');
            text += QString::number(item.Count());
            ++written;
            if (written % ListProgressStep == 0) {
                if (panel)
                    panel(ListProgressText(written, m_itemCount));
                platform::DoEvents();
                if (m_cancel)
                    return text;
            }
        }
    }
    return text;
}

} // namespace mainwindow
