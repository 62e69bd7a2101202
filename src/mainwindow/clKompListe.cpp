// The distinct-value list.
#include "clKompListe.h"

#include "platform/UiServices.h"

namespace mainwindow {

namespace {

const QString kEmptyEntry = QStringLiteral("<LEER>");

} // namespace

clKompListe::clKompListe() : m_list(InitialRoom) {}

void clKompListe::AddItem(const QString &value)
{
    if (!value.isEmpty()) {
        if (m_index.contains(value))
            return;
        append(value);
    } else if (m_emptyIndex == -1) {
        m_emptyIndex = m_count;
        append(kEmptyEntry);
    }
    growWhenFull();
}

void clKompListe::append(const QString &entry)
{
    m_list[m_count] = entry;
    m_index.insert(entry);
    ++m_count;
}

void clKompListe::growWhenFull()
{
    if (m_count >= m_list.size())
        m_list.resize(m_list.size() + GrowthStep);
}

QString clKompListe::DumpAll(const PanelText &panel)
{
    QString text;
    for (int i = 0; i < m_count; ++i) {
        text += m_list[i];
        text += QLatin1String("\r\n");
        if (i % ListProgressStep == 0) {
            if (panel)
                panel(ListProgressText(i, m_count));
            platform::DoEvents();
            if (m_cancel)
                break;
        }
    }
    return text;
}

} // namespace mainwindow
