// The LIKE matcher with backtracking only over '*' (iterative, linear memory), and its SQLite binding.
#include "JetLike.h"

#include <QString>
#include <sqlite3.h>

namespace dao {

namespace {

QChar fold(QChar c)
{
    return c.toCaseFolded();
}

// Matches a '[...]' set starting at pattern[p] (the '['); sets *end past the ']'. A set without ']'
// matches the '[' literally, as Jet treats an unclosed bracket as an error we need not raise.
bool matchSet(QStringView pattern, qsizetype p, QChar c, qsizetype *end)
{
    qsizetype i = p + 1;
    bool negate = false;
    if (i < pattern.size() && pattern[i] == u'!') {
        negate = true;
        ++i;
    }
    const qsizetype first = i;
    bool found = false;
    const QChar fc = fold(c);
    for (; i < pattern.size() && (pattern[i] != u']' || i == first); ++i) {
        if (i + 2 < pattern.size() && pattern[i + 1] == u'-' && pattern[i + 2] != u']') {
            const QChar lo = fold(pattern[i]), hi = fold(pattern[i + 2]);
            if ((fc >= lo && fc <= hi) || (c >= pattern[i] && c <= pattern[i + 2]))
                found = true;
            i += 2;
        } else if (fold(pattern[i]) == fc) {
            found = true;
        }
    }
    if (i >= pattern.size()) {
        *end = p + 1;
        return c == u'[';
    }
    *end = i + 1;
    return found != negate;
}

// One pattern element at p against c; *next is the pattern position after the element.
bool matchOne(QStringView pattern, qsizetype p, QChar c, QChar escape, qsizetype *next)
{
    const QChar pc = pattern[p];
    if (!escape.isNull() && pc == escape && p + 1 < pattern.size()) {
        *next = p + 2;
        return fold(pattern[p + 1]) == fold(c);
    }
    *next = p + 1;
    if (pc == u'?')
        return true;
    if (pc == u'#')
        return c.isDigit();
    if (pc == u'[')
        return matchSet(pattern, p, c, next);
    return fold(pc) == fold(c);
}

void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    // like(pattern, text [, escape])
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QChar escape;
    if (argc == 3 && sqlite3_value_type(argv[2]) != SQLITE_NULL) {
        const QString e = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[2])));
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    const auto text16 = [](sqlite3_value *v) {
        const void *p = sqlite3_value_text16(v);
        return QString(reinterpret_cast<const QChar *>(p), sqlite3_value_bytes16(v) / 2);
    };
    const QString pattern = text16(argv[0]);
    const QString text = text16(argv[1]);
    sqlite3_result_int(ctx, JetLike::match(pattern, text, escape) ? 1 : 0);
}

} // namespace

bool JetLike::match(QStringView pattern, QStringView text, QChar escape)
{
    qsizetype p = 0, t = 0;
    qsizetype starP = -1, starT = 0;
    while (t < text.size()) {
        qsizetype next = 0;
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < pattern.size() && matchOne(pattern, p, text[t], escape, &next)) {
            p = next;
            ++t;
            continue;
        }
        if (starP < 0)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

int JetLike::registerWith(sqlite3 *db)
{
    const int flags = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
    return rc;
}

} // namespace dao
