// The table object of the table component.
#include "InfoZoomTable.h"

#include "TableData.h"
#include "TableErrors.h"
#include "TableFile.h"
#include "TablePrinter.h"

#include <QMetaObject>
#include <algorithm>

namespace {

int clampComponent(int v)
{
    return std::clamp(v, 0, 255);
}

} // namespace

InfoZoomTable::InfoZoomTable(QObject *parent)
    : QObject(parent), m_data(std::make_shared<TableData>()), m_printer(std::make_unique<TablePrinter>())
{
    m_colors = {QColor(127, 127, 127), QColor(202, 202, 255), QColor(240, 240, 248),
                QColor(183, 183, 255), QColor(195, 195, 195), QColor(172, 172, 172)};
    // The state the main window leaves an emptied table in, but with values shown.
    m_options.fill(true);
    for (char off : {'B', 'C', 'D', 'E', 'I', 'K', 'M'})
        m_options[off - 'A'] = false;
    m_data->setChangeListener([this] { contentTouched(); });
}

InfoZoomTable::~InfoZoomTable()
{
    // Handles may keep the content alive; it must not call back into a table that is gone.
    m_data->close();
}

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
    m_data->clearAll();
    // The status of the table that was there (a load that failed, say) does not belong to the new one.
    if (!m_statusText.isEmpty())
        setStatusText(QString());
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
    m_data->setListenerMuted(false);
    emit contentChanged();
}

void InfoZoomTable::setDisplayEnabled(bool on)
{
    if (m_displayEnabled == on)
        return;
    m_displayEnabled = on;
    if (on) {
        m_data->settleValues();
        m_data->setListenerMuted(false);
    }
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
    if (!m_displayEnabled) {
        // Nothing more to learn from further changes until the display is back or UpdateView runs.
        m_viewUpdated = false;
        m_data->setListenerMuted(true);
        return;
    }
    // Many changes in a row (a fill, a walk that deletes rows) give one repaint.
    if (m_updatePending)
        return;
    m_updatePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_updatePending)
                return; // the view caught up already
            m_updatePending = false;
            if (m_displayEnabled)
                emit contentChanged();
        },
        Qt::QueuedConnection);
}

void InfoZoomTable::catchUpView()
{
    if (!m_displayEnabled)
        return;
    m_updatePending = false;
    if (!m_viewUpdated)
        UpdateView();
    else
        emit contentChanged();
}

InfoZoomObjects InfoZoomTable::Objects() const
{
    return InfoZoomObjects(m_data, InfoZoomObjects::Kind::All);
}

InfoZoomObjects InfoZoomTable::SelectedObjects() const
{
    return InfoZoomObjects(m_data, InfoZoomObjects::Kind::Selected);
}

InfoZoomObjects InfoZoomTable::CurrentObjects() const
{
    return InfoZoomObjects(m_data, InfoZoomObjects::Kind::Current);
}

void InfoZoomTable::DeleteAllObjects()
{
    m_data->deleteAllRows();
}

InfoZoomAttributes InfoZoomTable::Attributes() const
{
    return InfoZoomAttributes(m_data->root()->shared_from_this());
}

InfoZoomAttributeList InfoZoomTable::AttributeList() const
{
    return InfoZoomAttributeList(m_data);
}

InfoZoomAttributeNode InfoZoomTable::AttributeItem(int index) const
{
    return AttributeList().Item(index);
}

void InfoZoomTable::DeleteAttribute(const InfoZoomAttributeNode &attribute, bool, bool)
{
    AttributeNodeData *node = attribute.data();
    if (!node || node->table != m_data.get())
        TableErrors::raiseAttributeGone();
    m_data->removeNode(node);
}

void InfoZoomTable::LoadFile(const QString &path, int, int, int, int, const QString &, int)
{
    TableFile::load(*m_data, path);
}

void InfoZoomTable::SaveFile(const QString &path, const QString &type, const QString &, int)
{
    if (type.compare(QLatin1String("fox"), Qt::CaseInsensitive) != 0)
        TableErrors::raise(TableErrors::InvalidCall,
                           QStringLiteral("Das Dateiformat \"%1\" wird nicht unterstützt.").arg(type));
    TableFile::save(*m_data, path);
}

void InfoZoomTable::ResetSelection()
{
    m_data->resetSelection();
}

bool InfoZoomTable::CanMark() const
{
    return m_data->canMark();
}

void InfoZoomTable::Mark()
{
    m_data->mark();
}

void InfoZoomTable::ClearMarks()
{
    m_data->clearMarks();
}

void InfoZoomTable::Zoom()
{
    m_data->zoom();
}

bool InfoZoomTable::CanExclude() const
{
    return m_data->canExclude();
}

void InfoZoomTable::Exclude()
{
    m_data->exclude();
}

bool InfoZoomTable::CanZoomBack() const
{
    return m_data->canGoBack();
}

bool InfoZoomTable::CanZoomForward() const
{
    return m_data->canGoForward();
}

void InfoZoomTable::ZoomBack()
{
    m_data->goBack();
}

void InfoZoomTable::ZoomForward()
{
    m_data->goForward();
}

void InfoZoomTable::ShowAll()
{
    m_data->showAll();
}

QString InfoZoomTable::QueryText() const
{
    return m_data->queryText();
}

void InfoZoomTable::SortBy(const InfoZoomAttribute &attribute, bool ascending)
{
    AttributeNodeData *node = attribute.data();
    if (node && node->table != m_data.get())
        TableErrors::raiseAttributeGone();
    m_data->sortBy(node, ascending);
}

QString InfoZoomTable::PrintOut()
{
    return m_printer->printOut(*this, m_dialogParent);
}

void InfoZoomTable::PrintPreview()
{
    m_printer->preview(*this, m_dialogParent);
}

void InfoZoomTable::PrintSetup()
{
    m_printer->pageSetup(m_dialogParent);
}

void InfoZoomTable::notifyCommand(const QString &kind, const QString &command, const QString &detail)
{
    emit notify(kind, command, detail, QStringLiteral("InfoZoomTable"));
}
