// The error of the dBase layer: which file, and what is wrong with it, as one German sentence.
#pragma once

#include <QString>
#include <stdexcept>

namespace dbf {

class DbfError : public std::runtime_error
{
public:
    enum class Kind {
        CannotOpen,    // missing, no permission, cannot be locked
        Damaged,       // the table file does not hold a valid table
        MemoMissing,   // a memo is needed but there is no memo file
        MemoDamaged,   // the memo file does not hold the memo a record points to
        BadValue,      // a value cannot be stored in its field
        BadArgument,   // a record number or field number out of range, a bad field list
        Io,            // reading or writing failed
    };

    DbfError(Kind kind, const QString &file, const QString &problem);

    Kind kind() const { return m_kind; }
    QString file() const { return m_file; }
    QString problem() const { return m_problem; }
    // The whole sentence for the user, naming the file in double quotes.
    QString message() const { return m_message; }

private:
    static QString compose(Kind kind, const QString &file, const QString &problem);

    Kind m_kind;
    QString m_file;
    QString m_problem;
    QString m_message;
};

} // namespace dbf
