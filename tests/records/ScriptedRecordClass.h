// A record class over a source of scripted records, to drive the shared record-class frame alone.
#pragma once

#include "records/RecordClassBase.h"
#include "infozoom/InfoZoomControl.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records as lists of texts; a record listed in `bad` fails to read with its error code.
class ScriptedSource final : public records::RecordSource
{
public:
    QList<QStringList> rows;
    QHash<int, long> bad; // 0-based record index -> error code
    std::function<void(int)> onRead;

    long RecordCount() override { return long(rows.size()); }
    void MoveFirst() override { m_pos = 0; }
    void MoveNext() override { ++m_pos; }
    long GetDataEx(const QVector<qint16> &ids, QStringList &values) override
    {
        if (onRead)
            onRead(m_pos);
        if (bad.contains(m_pos))
            return bad.value(m_pos);
        values = rows.at(m_pos);
        return 0;
    }

private:
    int m_pos = -1;
};

class ScriptedRecordClass final : public records::RecordClassBase
{
public:
    explicit ScriptedRecordClass(records::TableKind kind = records::TableKind::Kontakte) : RecordClassBase(kind) {}

    void Init(InfoZoomControl *control) { keepControl(control, nullptr); }
    void setFields(const QStringList &labels, const QVector<qint16> &ids, const QVector<int> &types)
    {
        setFieldArrays(labels, ids, types);
    }
    void ShowData(ScriptedSource &source) { showDataFrame(source); }
    void LoadData(const QString &file, bool rebuildResult = true)
    {
        loadDataFrame(file, [rebuildResult] { return rebuildResult; });
    }
    // Field 0 carries the sync and unique-ID roles, as with the contacts.
    void assignRole(int i, const QString &importName) override
    {
        if (i == 0)
            m_syncFieldName = m_uniqueIDFieldName = importName;
    }
    QVariant idValue(int i, const QString &text) override { return QStringLiteral("ID:") + text; }
};
