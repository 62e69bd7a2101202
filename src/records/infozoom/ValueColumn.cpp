// The dictionary-encoded values of one attribute.
#include "ValueColumn.h"

#include <QCollator>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace {

quint64 numberKey(double d)
{
    if (d == 0.0)
        d = 0.0; // one key for +0 and -0
    if (std::isnan(d))
        d = std::numeric_limits<double>::quiet_NaN();
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

double numberOf(const QVariant &v)
{
    return v.typeId() == QMetaType::Double ? v.toDouble() : static_cast<double>(v.toLongLong());
}

} // namespace

ValueColumn::ValueColumn()
{
    m_values.emplace_back(QString());
}

QVariant ValueColumn::normalized(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::UShort:
        return QVariant(value.toInt());
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong: {
        const qlonglong v = value.toLongLong();
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return QVariant(static_cast<int>(v));
        return QVariant(v);
    }
    case QMetaType::Bool:
        return QVariant(value.toBool() ? -1 : 0);
    case QMetaType::Double:
    case QMetaType::Float:
        return QVariant(value.toDouble());
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm:ss"));
    default:
        if (!value.isValid() || value.isNull())
            return QString();
        return value.toString();
    }
}

bool ValueColumn::isNumber(uint32_t code) const
{
    const int t = m_values[code].typeId();
    return t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::Double;
}

void ValueColumn::setCode(uint32_t row, uint32_t code)
{
    if (row >= m_codes.size()) {
        if (code == EmptyCode)
            return;
        m_codes.resize(std::max<size_t>(row + 1, m_codes.size() + m_codes.size() / 2), EmptyCode);
    }
    if (m_codes[row] != code) {
        m_codes[row] = code;
        m_postingsValid = false;
    }
}

uint32_t ValueColumn::intern(const QVariant &raw)
{
    if (raw.typeId() == QMetaType::QString && raw.toString().isEmpty())
        return EmptyCode;
    buildIndex();
    const QVariant value = normalized(raw);
    const uint32_t next = distinctCount();
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString s = value.toString();
        if (s.isEmpty())
            return EmptyCode;
        auto it = m_textIndex.constFind(s);
        if (it != m_textIndex.constEnd())
            return it.value();
        m_textIndex.insert(s, next);
        break;
    }
    case QMetaType::Double: {
        const quint64 key = numberKey(value.toDouble());
        auto it = m_numberIndex.constFind(key);
        if (it != m_numberIndex.constEnd())
            return it.value();
        m_numberIndex.insert(key, next);
        break;
    }
    default: {
        const qint64 key = value.toLongLong();
        auto it = m_intIndex.constFind(key);
        if (it != m_intIndex.constEnd())
            return it.value();
        m_intIndex.insert(key, next);
        break;
    }
    }
    m_values.push_back(value);
    m_ranksValid = false;
    return next;
}

std::optional<uint32_t> ValueColumn::find(const QVariant &raw) const
{
    buildIndex();
    const QVariant value = normalized(raw);
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString();
        if (s.isEmpty())
            return EmptyCode;
        if (auto it = m_textIndex.constFind(s); it != m_textIndex.constEnd())
            return it.value();
        bool ok = false;
        const qlonglong whole = s.trimmed().toLongLong(&ok);
        if (ok) {
            if (auto it = m_intIndex.constFind(whole); it != m_intIndex.constEnd())
                return it.value();
            if (auto it = m_numberIndex.constFind(numberKey(double(whole))); it != m_numberIndex.constEnd())
                return it.value();
        }
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
            const double d = locale.toDouble(s.trimmed(), &ok);
            if (ok)
                if (auto it = m_numberIndex.constFind(numberKey(d)); it != m_numberIndex.constEnd())
                    return it.value();
        }
        return std::nullopt;
    }
    if (value.typeId() == QMetaType::Double) {
        if (auto it = m_numberIndex.constFind(numberKey(value.toDouble())); it != m_numberIndex.constEnd())
            return it.value();
        const double d = value.toDouble();
        if (d == std::floor(d) && std::abs(d) < 9.2e18)
            if (auto it = m_intIndex.constFind(static_cast<qint64>(d)); it != m_intIndex.constEnd())
                return it.value();
    } else {
        if (auto it = m_intIndex.constFind(value.toLongLong()); it != m_intIndex.constEnd())
            return it.value();
        if (auto it = m_numberIndex.constFind(numberKey(double(value.toLongLong()))); it != m_numberIndex.constEnd())
            return it.value();
    }
    if (auto it = m_textIndex.constFind(value.toString()); it != m_textIndex.constEnd())
        return it.value();
    return std::nullopt;
}

void ValueColumn::setMarked(uint32_t code, bool marked)
{
    if (code >= distinctCount())
        return;
    if (m_marked.size() <= code) {
        if (!marked)
            return;
        m_marked.resize(distinctCount(), 0);
    }
    m_marked[code] = marked ? 1 : 0;
}

std::vector<uint32_t> ValueColumn::markedCodes() const
{
    std::vector<uint32_t> result;
    for (uint32_t c = 0; c < m_marked.size(); ++c)
        if (m_marked[c])
            result.push_back(c);
    return result;
}

ValueColumn::RowRange ValueColumn::rowsOf(uint32_t code, uint32_t rowSlots) const
{
    if (!m_postingsValid || m_postingOffsets.size() != m_values.size() + 1 ||
        m_postingRows.size() != rowSlots) {
        m_postingOffsets.assign(m_values.size() + 1, 0);
        for (uint32_t row = 0; row < rowSlots; ++row)
            ++m_postingOffsets[codeAt(row) + 1];
        std::partial_sum(m_postingOffsets.begin(), m_postingOffsets.end(), m_postingOffsets.begin());
        m_postingRows.resize(rowSlots);
        std::vector<uint32_t> fill(m_postingOffsets.begin(), m_postingOffsets.end() - 1);
        for (uint32_t row = 0; row < rowSlots; ++row)
            m_postingRows[fill[codeAt(row)]++] = row;
        m_postingsValid = true;
    }
    if (code >= m_values.size())
        return {nullptr, nullptr};
    const uint32_t *base = m_postingRows.data();
    return {base + m_postingOffsets[code], base + m_postingOffsets[code + 1]};
}

const std::vector<uint32_t> &ValueColumn::ranks() const
{
    if (m_ranksValid && m_ranks.size() == m_values.size())
        return m_ranks;
    std::vector<uint32_t> order(m_values.size());
    std::iota(order.begin(), order.end(), 0);
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    auto group = [this](uint32_t c) { return c == EmptyCode ? 0 : (isNumber(c) ? 1 : 2); };
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const int ga = group(a), gb = group(b);
        if (ga != gb)
            return ga < gb;
        if (ga == 1)
            return numberOf(m_values[a]) < numberOf(m_values[b]);
        if (ga == 2)
            return collator.compare(m_values[a].toString(), m_values[b].toString()) < 0;
        return false;
    });
    m_ranks.assign(m_values.size(), 0);
    for (uint32_t i = 0; i < order.size(); ++i)
        m_ranks[order[i]] = i;
    m_ranksValid = true;
    return m_ranks;
}

void ValueColumn::clear()
{
    m_values.clear();
    m_values.emplace_back(QString());
    m_codes.clear();
    m_codes.shrink_to_fit();
    m_marked.clear();
    m_textIndex.clear();
    m_intIndex.clear();
    m_numberIndex.clear();
    m_indexValid = true;
    invalidateDerived();
}

void ValueColumn::assign(std::vector<QVariant> values, std::vector<uint32_t> codes)
{
    m_values = std::move(values);
    if (m_values.empty())
        m_values.emplace_back(QString());
    m_codes = std::move(codes);
    m_marked.clear();
    m_indexValid = false;
    invalidateDerived();
}

size_t ValueColumn::rowBytes() const
{
    return m_codes.capacity() * sizeof(uint32_t) + m_postingRows.capacity() * sizeof(uint32_t);
}

void ValueColumn::buildIndex() const
{
    if (m_indexValid)
        return;
    m_textIndex.clear();
    m_intIndex.clear();
    m_numberIndex.clear();
    for (uint32_t code = 1; code < m_values.size(); ++code) {
        const QVariant &v = m_values[code];
        if (v.typeId() == QMetaType::QString)
            m_textIndex.insert(v.toString(), code);
        else if (v.typeId() == QMetaType::Double)
            m_numberIndex.insert(numberKey(v.toDouble()), code);
        else
            m_intIndex.insert(v.toLongLong(), code);
    }
    m_indexValid = true;
}

void ValueColumn::invalidateDerived() const
{
    m_postingsValid = false;
    m_ranksValid = false;
}
