// The table descriptor's values and its changed flag.
#include "clFOX.h"

#include "VbDate.h"

namespace project {

clFOX::clFOX() : m_datum(MissingDate()) {}

void clFOX::setDatum(const QDateTime &value)
{
    m_datum = value;
    m_isChanged = true;
}

void clFOX::setDatei(const QString &value)
{
    m_datei = value;
    m_isChanged = true;
}

void clFOX::setSyncFeldName(const QString &value)
{
    m_syncFeldName = value;
    m_isChanged = true;
}

void clFOX::setUniqueIDFeldName(const QString &value)
{
    m_uniqueIDFeldName = value;
    m_isChanged = true;
}

void clFOX::setConnectionString(const QString &value)
{
    m_connectionString = value;
    m_isChanged = true;
}

void clFOX::setSQLString(const QString &value)
{
    m_sqlString = value;
    m_isChanged = true;
}

} // namespace project
