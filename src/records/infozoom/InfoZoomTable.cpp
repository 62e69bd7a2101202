// The table object of the table component.
#include "InfoZoomTable.h"

#include <algorithm>

namespace {

int clampComponent(int v)
{
    return std::clamp(v, 0, 255);
}

} // namespace

InfoZoomTable::InfoZoomTable(QObject *parent) : QObject(parent)
{
    m_colors = {QColor(127, 127, 127), QColor(202, 202, 255), QColor(240, 240, 248),
                QColor(183, 183, 255), QColor(195, 195, 195), QColor(172, 172, 172)};
    // The state the main window leaves an emptied table in, but with values shown.
    m_options.fill(true);
    for (char off : {'B', 'C', 'D', 'E', 'I', 'K', 'M'})
        m_options[off - 'A'] = false;
}

InfoZoomTable::~InfoZoomTable() = default;

void InfoZoomTable::setStatusText(const QString &text)
{
    m_statusText = text;
    emit statusTextChanged(text);
}

void InfoZoomTable::Refresh()
{
    if (m_displayEnabled)
        emit contentChanged();
}

void InfoZoomTable::NewTable()
{
    contentTouched();
}

void InfoZoomTable::setDisplayOption(int index, bool on)
{
    if (m_options.at(index) == on)
        return;
    m_options[index] = on;
    emit appearanceChanged();
}

void InfoZoomTable::UpdateView()
{
    m_viewUpdated = true;
    emit contentChanged();
}

void InfoZoomTable::setDisplayEnabled(bool on)
{
    if (m_displayEnabled == on)
        return;
    m_displayEnabled = on;
    if (on && !m_viewUpdated)
        UpdateView();
}

void InfoZoomTable::setColor(int slot, int r, int g, int b)
{
    m_colors[slot] = QColor(clampComponent(r), clampComponent(g), clampComponent(b));
    emit appearanceChanged();
}

void InfoZoomTable::contentTouched()
{
    if (m_displayEnabled)
        emit contentChanged();
    else
        m_viewUpdated = false;
}
