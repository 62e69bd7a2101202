// The project object: fields, changed and saved state, and closing.
#include "clProjekt.h"

namespace project {

clProjekt::clProjekt() { resetFields(); }

void clProjekt::setACTBenutzername(const QString &user)
{
    m_actBenutzername = user;
    m_projektChanged = true;
}

bool clProjekt::IsChanged() const { return m_projektChanged; }

void clProjekt::CloseProjekt()
{
    m_isSaved = false;
    m_projektChanged = false;
    resetFields();
}

void clProjekt::resetFields()
{
    m_name = QStringLiteral("Unbenannt");
    m_datei.clear();
    m_ordner.clear();
    m_actDatenbank.clear();
    m_actBenutzername.clear();
}

} // namespace project
