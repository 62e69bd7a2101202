// The distinct values of a stream of values in the order first seen, listed as clipboard text.
#pragma once

#include "ListProgress.h"

#include <QSet>
#include <QString>
#include <QVector>

namespace mainwindow {

class clKompListe
{
public:
    static constexpr int InitialRoom = 1000;
    static constexpr int GrowthStep = 500;

    clKompListe();
    clKompListe(const clKompListe &) = delete;
    clKompListe &operator=(const clKompListe &) = delete;

    // Keeps a value not seen before (compared exactly). The empty value is kept once, as the
    // entry "<LEER>"; a later value "<LEER>" then counts as already seen.
    void AddItem(const QString &value);

    // Every entry followed by CR LF, in the order kept. At entry 0, 79, 158 ... the panel shows
    // the progress and waiting events run; a Cancel set by then ends the listing after that entry.
    QString DumpAll(const PanelText &panel);

    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }

    int Count() const { return m_count; }
    // Entries the list has room for before it grows by GrowthStep.
    int Room() const { return static_cast<int>(m_list.size()); }
    // Position of the entry that stands for the empty value, -1 while there is none.
    int EmptyIndex() const { return m_emptyIndex; }
    QString Entry(int index) const { return m_list.at(index); }

private:
    void append(const QString &entry);
    void growWhenFull();

    QVector<QString> m_list;
    // Every entry text, so that a value is found without walking the list.
    QSet<QString> m_index;
    int m_count = 0;
    int m_emptyIndex = -1;
    bool m_cancel = false;
};

} // namespace mainwindow
