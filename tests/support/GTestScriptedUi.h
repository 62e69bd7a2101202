// The scripted UI double wired to GoogleTest: a wrong or unexpected call fails the running test,
// and expectations left unused fail it when the double goes away. It installs itself as the
// program-wide UI services for its lifetime.
#pragma once

#include "platform/ScriptedUi.h"

#include <gtest/gtest.h>

class GTestScriptedUi : public platform::ScriptedUi
{
public:
    GTestScriptedUi() { platform::setUi(this); }
    ~GTestScriptedUi() override
    {
        for (const QString &f : verify())
            if (!m_reported.contains(f))
                ADD_FAILURE() << f.toStdString();
        platform::setUi(nullptr);
    }

protected:
    void fail(const QString &message) override
    {
        ScriptedUi::fail(message);
        m_reported << message;
        ADD_FAILURE() << message.toStdString();
    }

private:
    QStringList m_reported;
};
