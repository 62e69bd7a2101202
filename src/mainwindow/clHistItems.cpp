// The keyed collection of counted values.
#include "clHistItems.h"

#include "platform/VbError.h"

#include <algorithm>

namespace mainwindow {

namespace {

[[noreturn]] void invalidArgument()
{
    throw platform::VbError(5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument"));
}

[[noreturn]] void outOfRange()
{
    throw platform::VbError(9, QStringLiteral("Index außerhalb des gültigen Bereichs"));
}

} // namespace

clHistItems::~clHistItems() = default;

clHistItem &clHistItems::Add(const QString &value, long long count, const QString &tag, const QString &key)
{
    if (!key.isEmpty() && m_keys.contains(normalKey(key)))
        throw platform::VbError(
            457, QStringLiteral("Dieser Schlüssel ist bereits einem Element dieser Auflistung zugeordnet"));
    m_items.push_back(std::make_unique<clHistItem>(value, count, tag));
    clHistItem &item = *m_items.back();
    if (!key.isEmpty())
        m_keys.insert(normalKey(key), &item);
    return item;
}

clHistItem &clHistItems::Item(long long position) const
{
    if (position < 1 || position > Count())
        outOfRange();
    return *m_items[static_cast<std::size_t>(position - 1)];
}

clHistItem &clHistItems::Item(const QString &key) const
{
    clHistItem *item = m_keys.value(normalKey(key));
    if (!item)
        invalidArgument();
    return *item;
}

void clHistItems::Remove(long long position)
{
    if (position < 1 || position > Count())
        outOfRange();
    removeAt(static_cast<std::size_t>(position - 1));
}

void clHistItems::Remove(const QString &key)
{
    clHistItem *item = m_keys.value(normalKey(key));
    if (!item)
        invalidArgument();
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [item](const std::unique_ptr<clHistItem> &p) { return p.get() == item; });
    removeAt(static_cast<std::size_t>(found - m_items.begin()));
}

void clHistItems::removeAt(std::size_t index)
{
    clHistItem *item = m_items[index].get();
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        if (it.value() == item)
            it = m_keys.erase(it);
        else
            ++it;
    }
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace mainwindow
