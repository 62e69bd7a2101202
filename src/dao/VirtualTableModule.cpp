// Hands values of the virtual tables to SQLite.
#include "VirtualTableModule.h"

#include <QDate>

namespace dao {

void resultText(sqlite3_context *ctx, const QString &text)
{
    sqlite3_result_text16(ctx, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
}

void resultValue(sqlite3_context *ctx, const QVariant &value)
{
    if (value.isNull()) {
        sqlite3_result_null(ctx);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        sqlite3_result_int64(ctx, value.toLongLong());
        return;
    case QMetaType::Double:
        sqlite3_result_double(ctx, value.toDouble());
        return;
    case QMetaType::Bool:
        sqlite3_result_int(ctx, value.toBool() ? 1 : 0);
        return;
    case QMetaType::QDate:
        resultText(ctx, value.toDate().toString(Qt::ISODate));
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_result_blob(ctx, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        return;
    }
    default:
        resultText(ctx, value.toString());
    }
}

} // namespace dao
