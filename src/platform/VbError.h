// The error that operations "pass to the caller": a number and a description, like a VB error.
#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

class VbError : public std::runtime_error
{
public:
    VbError(long number, const QString &description, const QString &source = QString())
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description),
          m_source(source)
    {
    }

    long number() const { return m_number; }
    QString description() const { return m_description; }
    // The object or procedure that raised it, where known (empty otherwise).
    QString source() const { return m_source; }

private:
    long m_number;
    QString m_description;
    QString m_source;
};

} // namespace platform
