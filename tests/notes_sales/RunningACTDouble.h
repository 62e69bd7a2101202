// A running ACT! that answers from the test's settings and records what it was asked, installed as
// the running-ACT! factory for its lifetime.
#pragma once

#include "records/RunningACT.h"

#include <QStringList>
#include <memory>

class RunningACTDouble
{
public:
    struct State
    {
        bool running = true;
        QString database = QStringLiteral("/daten/Demo.dbf");
        bool lookupSucceeds = true;
        bool recordFound = true;
        QStringList calls; // "lookup:<ids>", "note:<id>", "sale:<id>", "activity:<id>", "front"
        int created = 0;
    };

    RunningACTDouble() : m_state(std::make_shared<State>())
    {
        records::RunningACT::setFactory([state = m_state] {
            ++state->created;
            return std::unique_ptr<records::RunningACT>(new Wrapper(state));
        });
    }
    ~RunningACTDouble() { records::RunningACT::setFactory({}); }

    State &state() { return *m_state; }

private:
    class Wrapper final : public records::RunningACT
    {
    public:
        explicit Wrapper(std::shared_ptr<State> state) : m_state(std::move(state)) {}
        bool ACTgestartet() override { return m_state->running; }
        QString ACTDatenbank() override { return m_state->running ? m_state->database : QString(); }
        bool CreateContactSearch(const QString &ids) override
        {
            m_state->calls << QStringLiteral("lookup:") + ids;
            return m_state->lookupSucceeds;
        }
        void Zeigen() override { m_state->calls << QStringLiteral("front"); }
        bool ShowNoteByUniqueID(const QString &id) override { return show(QStringLiteral("note:"), id); }
        bool ShowSaleByUniqueID(const QString &id) override { return show(QStringLiteral("sale:"), id); }
        bool ShowActivityByUniqueID(const QString &id) override { return show(QStringLiteral("activity:"), id); }

    private:
        bool show(const QString &what, const QString &id)
        {
            m_state->calls << what + id;
            return m_state->recordFound;
        }
        std::shared_ptr<State> m_state;
    };

    std::shared_ptr<State> m_state;
};
