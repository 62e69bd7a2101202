// Jet's LIKE: '*' any run of characters, '?' one character, '#' one digit, '[abc]', '[a-z]' and
// '[!abc]' character sets; letters compare without regard to case.
#pragma once

#include <QStringView>

struct sqlite3;

namespace dao {

class JetLike
{
public:
    // escape: a character that makes the next pattern character literal; QChar() for none.
    static bool match(QStringView pattern, QStringView text, QChar escape = QChar());
    // Replaces SQLite's like() in both its forms (x LIKE p, and x LIKE p ESCAPE e).
    static int registerWith(sqlite3 *db);
};

} // namespace dao
