// The attribute commands of the context menu.
#include "AttributeCommands.h"

#include "InfoZoomTable.h"
#include "TableData.h"
#include "TableErrors.h"

#include <QDate>
#include <QDateTime>

namespace {

const QString InsertCommand = QStringLiteral("CInsertAttributeCommand");
const QString DeleteCommand = QStringLiteral("CDeleteAttributeCommand");
const QString RedefineCommand = QStringLiteral("CRedefineAttributeCommand");

AttributeNodeData &attached(const InfoZoomAttributeNode &node, InfoZoomTable &table)
{
    AttributeNodeData *data = node.data();
    if (!data || data->table != table.data().get())
        TableErrors::raiseAttributeGone();
    return *data;
}

int indexInParent(const AttributeNodeData &node)
{
    const auto &siblings = node.parent->children;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == &node)
            return int(i);
    return -1;
}

} // namespace

void AttributeCommands::notify(const QString &command, const QString &detail)
{
    m_table.notifyCommand(QStringLiteral("Command"), command, detail);
}

void AttributeCommands::rename(const InfoZoomAttributeNode &node, const QString &name)
{
    AttributeNodeData &n = attached(node, m_table);
    if (n.name == name)
        return;
    InfoZoomAttributeNode(node).setName(name);
    notify(RedefineCommand, name);
}

void AttributeCommands::remove(const InfoZoomAttributeNode &node)
{
    const QString name = attached(node, m_table).name;
    m_table.DeleteAttribute(node, true, true);
    notify(DeleteCommand, name);
}

void AttributeCommands::setFormat(const InfoZoomAttribute &attribute, const QString &format)
{
    attached(attribute, m_table);
    InfoZoomAttribute(attribute).setFormat(format);
    notify(RedefineCommand, attribute.Name());
}

QVariant AttributeCommands::datePart(const QVariant &value, Derived kind)
{
    const QString text = value.toString().trimmed();
    QDate date = QDate::fromString(text.left(10), QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        date = QDate::fromString(text.section(QLatin1Char(' '), 0, 0), QStringLiteral("d.M.yyyy"));
    if (!date.isValid())
        return QString();
    return kind == Derived::Year ? date.year() : date.month();
}

InfoZoomAttribute AttributeCommands::insertDerived(const InfoZoomAttribute &source, Derived kind)
{
    AttributeNodeData &src = attached(source, m_table);
    TableData &data = *m_table.data();
    const QString name = kind == Derived::Copy  ? QStringLiteral("Kopie von %1").arg(src.name)
                         : kind == Derived::Year ? QStringLiteral("Jahr von %1").arg(src.name)
                                                 : QStringLiteral("Monat von %1").arg(src.name);
    auto node = data.addNode(src.parent, AttributeNodeData::Attribute, name, indexInParent(src) + 1);
    node->format = kind == Derived::Copy ? src.format : QStringLiteral("####");
    // Each distinct value is converted once; the rows only get the new codes.
    const ValueColumn &from = *src.column;
    std::vector<uint32_t> codeMap(from.distinctCount());
    for (uint32_t code = 0; code < from.distinctCount(); ++code)
        codeMap[code] = node->column->intern(kind == Derived::Copy ? from.value(code) : datePart(from.value(code), kind));
    for (uint32_t row = 0; row < data.rowSlots(); ++row)
        node->column->setCode(row, codeMap[from.codeAt(row)]);
    data.nodeChanged();
    notify(InsertCommand, name);
    return InfoZoomAttribute(node);
}

InfoZoomAttributeNode AttributeCommands::createFolder(const InfoZoomAttributeNode &node, const QString &name)
{
    AttributeNodeData &n = attached(node, m_table);
    TableData &data = *m_table.data();
    auto folder = data.addNode(n.parent, AttributeNodeData::Folder, name, indexInParent(n));
    data.moveNode(&n, folder.get(), -1);
    notify(InsertCommand, name);
    return InfoZoomAttributeNode(folder);
}

bool AttributeCommands::move(const InfoZoomAttributeNode &node, const InfoZoomAttributeNode &folder, int index)
{
    AttributeNodeData &n = attached(node, m_table);
    TableData &data = *m_table.data();
    AttributeNodeData *target = folder.isNull() ? data.root() : &attached(folder, m_table);
    if (!data.moveNode(&n, target, index))
        return false;
    // A move changes the stored table as much as a rename does, so the program hears of it too.
    notify(RedefineCommand, n.name);
    return true;
}

void AttributeCommands::beginMove()
{
    m_table.notifyCommand(QStringLiteral("CommandNotSubmitted"), QStringLiteral("CAttributesMover"), QString());
}
