// The frequency count of a stream of values: how often each distinct value occurs, listed as
// clipboard text grouped by the Windows-1252 code of the first character.
#pragma once

#include "ListProgress.h"
#include "clHistItems.h"

#include <QHash>
#include <QString>
#include <array>

namespace mainwindow {

class clHistogram
{
public:
    static constexpr int BucketCount = 256;
    // Look-ups between two runs of waiting events while values are added.
    static constexpr long long EventsEvery = 233;

    clHistogram() = default;
    clHistogram(const clHistogram &) = delete;
    clHistogram &operator=(const clHistogram &) = delete;

    // Counts one value; values are compared exactly (case and every character).
    void AddItem(const QString &value);

    // The lines "value TAB count" (the empty value as "<<LEER>>"), bucket by bucket and within a
    // bucket in the order first seen, joined by CR LF with none after the last. Every 79 lines the
    // panel shows the progress and waiting events run; a Cancel set by then ends the listing with
    // the lines written so far.
    QString DumpAll(const PanelText &panel);

    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }

    // AddItem calls so far.
    long long ItemCount() const { return m_itemCount; }
    const clHistItems &Bucket(int index) const { return m_buckets.at(static_cast<std::size_t>(index)); }

    // The bucket of a value: the Windows-1252 code of its first character, 0 for the empty value.
    // A first character that Windows-1252 cannot hold goes where the system's conversion puts it,
    // to '?' (63).
    static int BucketOf(const QString &value);

private:
    std::array<clHistItems, BucketCount> m_buckets;
    // Every counted value -> its item, so that a value is found without walking its bucket.
    QHash<QString, clHistItem *> m_index;
    long long m_itemCount = 0;
    bool m_cancel = false;
};

} // namespace mainwindow
