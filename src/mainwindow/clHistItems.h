// A keyed collection of counted values in insertion order, positions counted from 1, as the
// frequency count keeps one per first character.
#pragma once

#include "clHistItem.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace mainwindow {

class clHistItems
{
public:
    using Items = std::vector<std::unique_ptr<clHistItem>>;

    clHistItems() = default;
    ~clHistItems();
    clHistItems(const clHistItems &) = delete;
    clHistItems &operator=(const clHistItems &) = delete;

    // Appends a new item, under the key when the key is not empty. Keys are compared without
    // regard to case; a key already in use throws VbError 457 and adds nothing.
    clHistItem &Add(const QString &value, long long count, const QString &tag, const QString &key = QString());

    // By position (1 to Count; otherwise VbError 9) or by key (unknown: VbError 5).
    clHistItem &Item(long long position) const;
    clHistItem &Item(const QString &key) const;
    long long Count() const { return static_cast<long long>(m_items.size()); }
    void Remove(long long position);
    void Remove(const QString &key);

    // NewEnum: the items in insertion order, for a range-for loop.
    class const_iterator
    {
    public:
        explicit const_iterator(Items::const_iterator it) : m_it(it) {}
        clHistItem &operator*() const { return **m_it; }
        clHistItem *operator->() const { return m_it->get(); }
        const_iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator!=(const const_iterator &other) const { return m_it != other.m_it; }
        bool operator==(const const_iterator &other) const { return m_it == other.m_it; }

    private:
        Items::const_iterator m_it;
    };
    const_iterator begin() const { return const_iterator(m_items.cbegin()); }
    const_iterator end() const { return const_iterator(m_items.cend()); }

private:
    static QString normalKey(const QString &key) { return key.toCaseFolded(); }
    void removeAt(std::size_t index);

    Items m_items;
    // Folded key -> item; keys follow their item when earlier items are removed.
    QHash<QString, clHistItem *> m_keys;
};

} // namespace mainwindow
