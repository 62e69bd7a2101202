// The dictionary-encoded values of one attribute.
#include "ValueColumn.h"

#include "WorkerThreads.h"

#include <QCollator>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// Equal runs of UTF-16 text, compared a word at a time (most values are short, so a library call
// would cost more than the comparison).
bool sameChars(const QChar *x, const QChar *y, qsizetype size)
{
    if (x == y)
        return true;
    const auto *p = reinterpret_cast<const unsigned char *>(x);
    const auto *q = reinterpret_cast<const unsigned char *>(y);
    size_t n = size_t(size) * sizeof(QChar);
    if (n < 8)
        return std::memcmp(p, q, n) == 0;
    auto load64 = [](const unsigned char *at) {
        quint64 v;
        std::memcpy(&v, at, sizeof v);
        return v;
    };
    for (; n > 8; n -= 8, p += 8, q += 8)
        if (load64(p) != load64(q))
            return false;
    return load64(p + n - 8) == load64(q + n - 8);
}

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

} // namespace

ValueColumn::ValueColumn()
{
    append(Text, QString(), 0);
}

uint32_t ValueColumn::append(Kind kind, const QString &text, qint64 bits)
{
    m_kinds.push_back(kind);
    m_texts.push_back(text);
    m_numbers.push_back(bits);
    m_ranksValid = false;
    return uint32_t(m_kinds.size() - 1);
}

QVariant ValueColumn::value(uint32_t code) const
{
    settle();
    switch (m_kinds[code]) {
    case Integer: {
        const qint64 v = m_numbers[code];
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return QVariant(int(v));
        return QVariant(qlonglong(v));
    }
    case Number:
        return QVariant(number(code));
    default:
        return QVariant(m_texts[code]);
    }
}

double ValueColumn::number(uint32_t code) const
{
    settle();
    if (m_kinds[code] == Integer)
        return double(m_numbers[code]);
    double d;
    std::memcpy(&d, &m_numbers[code], sizeof d);
    return d;
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

void ValueColumn::setCode(uint32_t row, uint32_t code)
{
    settle();
    setCodeNow(row, code);
}

void ValueColumn::setCodeNow(uint32_t row, uint32_t code)
{
    if (row >= m_codes.size()) {
        if (code == EmptyCode)
            return;
        m_codes.resize(std::max<size_t>({row + 1, m_codes.size() * 2, 64}), EmptyCode);
    }
    if (m_codes[row] != code) {
        m_codes[row] = code;
        m_postingsValid = false;
    }
}

void ValueColumn::makeRoom()
{
    // Bounds what waits when nobody settles the column (puts into existing rows).
    constexpr size_t MaxPending = 1 << 16;
    if (m_pending.size() >= MaxPending)
        settleNow();
}

void ValueColumn::put(uint32_t row, const QString &text)
{
    makeRoom();
    if (size_t(text.size()) > MaxPendingText) {
        settleNow();
        setCodeNow(row, internText(text.constData(), text.size()));
        return;
    }
    m_pending.push_back(PendingPut{row, uint32_t(text.size()), qint64(m_pendingChars.size())});
    const auto *chars = reinterpret_cast<const char16_t *>(text.constData());
    m_pendingChars.insert(m_pendingChars.end(), chars, chars + text.size());
}

void ValueColumn::putWhole(uint32_t row, qint64 whole)
{
    putNumeric(row, Integer, whole);
}

void ValueColumn::putNumber(uint32_t row, double number)
{
    qint64 bits;
    std::memcpy(&bits, &number, sizeof bits);
    putNumeric(row, Number, bits);
}

void ValueColumn::putNumeric(uint32_t row, Kind kind, qint64 bits)
{
    makeRoom();
    m_pending.push_back(PendingPut{row, uint32_t(kind) << KindShift, bits});
}

void ValueColumn::put(uint32_t row, const QVariant &raw)
{
    if (raw.typeId() == QMetaType::QString)
        return put(row, *static_cast<const QString *>(raw.constData()));
    QString text;
    qint64 bits = 0;
    const Kind kind = plain(raw, text, bits);
    if (kind == Text)
        put(row, text);
    else
        putNumeric(row, kind, bits);
}

ValueColumn::Kind ValueColumn::plain(const QVariant &raw, QString &text, qint64 &bits)
{
    const QVariant value = normalized(raw);
    switch (value.typeId()) {
    case QMetaType::QString:
        text = value.toString();
        return Text;
    case QMetaType::Double: {
        const double d = value.toDouble();
        std::memcpy(&bits, &d, sizeof bits);
        return Number;
    }
    default:
        bits = value.toLongLong();
        return Integer;
    }
}

// The columns handed to worker threads by one startSettling call.
class ValueColumn::SettleBatch
{
public:
    explicit SettleBatch(std::vector<ValueColumn *> columns) : m_columns(std::move(columns)) {}

    // Takes columns until none is left; runs on the workers and, for a settle that waits, on the
    // calling thread too.
    void drain()
    {
        for (size_t i = m_next++; i < m_columns.size(); i = m_next++) {
            try {
                ValueColumn &column = *m_columns[i];
                column.resolve(column.m_flight, column.m_flightChars);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(m_lock);
                m_failure = std::current_exception();
            }
        }
    }

    void start(int helpers, const std::shared_ptr<SettleBatch> &self)
    {
        m_helpers = helpers;
        for (int h = 0; h < helpers; ++h)
            WorkerThreads::shared().run([self] {
                self->drain();
                {
                    const std::lock_guard<std::mutex> lock(self->m_lock);
                    ++self->m_helpersDone;
                }
                self->m_done.notify_one();
            });
    }

    // Waits for the workers, then lets the columns go: from here on they belong to the calling
    // thread alone again. A failure of a worker (out of memory) is raised here.
    void finish()
    {
        std::exception_ptr failure;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_done.wait(lock, [this] { return m_helpersDone == m_helpers; });
            failure = std::exchange(m_failure, nullptr);
        }
        for (ValueColumn *column : m_columns)
            column->m_batch.reset();
        if (failure)
            std::rethrow_exception(failure);
    }

private:
    std::vector<ValueColumn *> m_columns;
    std::atomic<size_t> m_next{0};
    std::mutex m_lock;
    std::condition_variable m_done;
    int m_helpers = 0;
    int m_helpersDone = 0;
    std::exception_ptr m_failure;
};

ValueColumn::~ValueColumn()
{
    try {
        awaitBatch();
    } catch (...) {
        // Only running out of memory fails a settle; the column goes anyway.
    }
}

void ValueColumn::awaitBatch()
{
    if (m_batch) {
        const std::shared_ptr<SettleBatch> batch = m_batch; // finish() resets m_batch
        batch->finish();
    }
}

void ValueColumn::settleNow()
{
    awaitBatch();
    resolve(m_pending, m_pendingChars);
}

void ValueColumn::resolve(std::vector<PendingPut> &puts, std::vector<char16_t> &chars)
{
    for (const PendingPut &p : puts) {
        const Kind kind = Kind(p.sizeAndKind >> KindShift);
        const uint32_t code = kind == Text ? internText(reinterpret_cast<const QChar *>(chars.data() + p.bits),
                                                        qsizetype(p.sizeAndKind))
                                           : internNumeric(kind, p.bits);
        setCodeNow(p.row, code);
    }
    puts.clear();
    chars.clear();
}

std::shared_ptr<ValueColumn::SettleBatch> ValueColumn::launch(const std::vector<ValueColumn *> &columns,
                                                               bool callerHelps)
{
    for (ValueColumn *column : columns)
        column->awaitBatch();
    std::vector<ValueColumn *> work;
    for (ValueColumn *column : columns)
        if (!column->m_pending.empty()) {
            column->m_flight.swap(column->m_pending);
            column->m_flightChars.swap(column->m_pendingChars);
            work.push_back(column);
        }
    if (work.empty())
        return nullptr;
    // A caller that goes on filling keeps a core of its own; one that waits takes a column itself.
    const int cores = WorkerThreads::shared().size();
    const int helpers = callerHelps ? std::min(int(work.size()) - 1, cores - 1)
                                    : std::clamp(cores - 1, 1, int(work.size()));
    auto batch = std::make_shared<SettleBatch>(work);
    for (ValueColumn *column : work)
        column->m_batch = batch;
    batch->start(helpers, batch);
    return batch;
}

void ValueColumn::settleAll(const std::vector<ValueColumn *> &columns)
{
    if (const std::shared_ptr<SettleBatch> batch = launch(columns, true)) {
        batch->drain();
        batch->finish();
    }
    // The end of a fill: the buffers would otherwise stay as large as a fill needed them.
    for (ValueColumn *column : columns) {
        std::vector<PendingPut>().swap(column->m_pending);
        std::vector<PendingPut>().swap(column->m_flight);
        std::vector<char16_t>().swap(column->m_pendingChars);
        std::vector<char16_t>().swap(column->m_flightChars);
    }
}

void ValueColumn::startSettling(const std::vector<ValueColumn *> &columns)
{
    launch(columns, false);
}

uint32_t ValueColumn::internText(const QChar *chars, qsizetype size)
{
    if (size == 0)
        return EmptyCode;
    buildIndex();
    const quint32 hash = textHash(chars, size);
    if (const std::optional<uint32_t> known = findText(chars, size, hash))
        return *known;
    const uint32_t code = append(Text, QString(chars, size), 0);
    indexText(code, hash);
    return code;
}

uint32_t ValueColumn::internWholeNow(qint64 whole)
{
    buildIndex();
    auto it = m_intIndex.constFind(whole);
    if (it != m_intIndex.constEnd())
        return it.value();
    const uint32_t code = append(Integer, QString(), whole);
    m_intIndex.insert(whole, code);
    return code;
}

uint32_t ValueColumn::internNumberNow(double number)
{
    buildIndex();
    const quint64 key = numberKey(number);
    auto it = m_numberIndex.constFind(key);
    if (it != m_numberIndex.constEnd())
        return it.value();
    qint64 bits;
    std::memcpy(&bits, &key, sizeof bits);
    const uint32_t code = append(Number, QString(), bits);
    m_numberIndex.insert(key, code);
    return code;
}

uint32_t ValueColumn::internNumeric(Kind kind, qint64 bits)
{
    if (kind == Integer)
        return internWholeNow(bits);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return internNumberNow(d);
}

uint32_t ValueColumn::intern(const QVariant &raw)
{
    settle();
    QString text;
    qint64 bits = 0;
    const Kind kind = plain(raw, text, bits);
    return kind == Text ? internText(text.constData(), text.size()) : internNumeric(kind, bits);
}

std::optional<uint32_t> ValueColumn::find(const QVariant &raw) const
{
    settle();
    buildIndex();
    const QVariant value = normalized(raw);
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString();
        if (s.isEmpty())
            return EmptyCode;
        if (const std::optional<uint32_t> known = findText(s.constData(), s.size(), textHash(s.constData(), s.size())))
            return known;
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
    const QString asText = value.toString();
    if (const std::optional<uint32_t> known = findText(asText.constData(), asText.size(), textHash(asText.constData(), asText.size())))
        return known;
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
    settle();
    std::vector<uint32_t> result;
    for (uint32_t c = 0; c < m_marked.size(); ++c)
        if (m_marked[c])
            result.push_back(c);
    return result;
}

ValueColumn::RowRange ValueColumn::rowsOf(uint32_t code, uint32_t rowSlots) const
{
    settle();
    if (!m_postingsValid || m_postingOffsets.size() != size_t(distinctCount()) + 1 ||
        m_postingRows.size() != rowSlots) {
        m_postingOffsets.assign(size_t(distinctCount()) + 1, 0);
        for (uint32_t row = 0; row < rowSlots; ++row)
            ++m_postingOffsets[codeAt(row) + 1];
        std::partial_sum(m_postingOffsets.begin(), m_postingOffsets.end(), m_postingOffsets.begin());
        m_postingRows.resize(rowSlots);
        std::vector<uint32_t> fill(m_postingOffsets.begin(), m_postingOffsets.end() - 1);
        for (uint32_t row = 0; row < rowSlots; ++row)
            m_postingRows[fill[codeAt(row)]++] = row;
        m_postingsValid = true;
    }
    if (code >= distinctCount())
        return {nullptr, nullptr};
    const uint32_t *base = m_postingRows.data();
    return {base + m_postingOffsets[code], base + m_postingOffsets[code + 1]};
}

const std::vector<uint32_t> &ValueColumn::ranks() const
{
    settle();
    if (m_ranksValid && m_ranks.size() == distinctCount())
        return m_ranks;
    std::vector<uint32_t> numbers;
    std::vector<uint32_t> texts;
    for (uint32_t code = 1; code < distinctCount(); ++code)
        (isNumber(code) ? numbers : texts).push_back(code);
    std::stable_sort(numbers.begin(), numbers.end(), [this](uint32_t a, uint32_t b) { return number(a) < number(b); });
    sortTexts(texts);
    m_ranks.assign(distinctCount(), 0);
    uint32_t rank = 1;
    for (uint32_t code : numbers)
        m_ranks[code] = rank++;
    for (uint32_t code : texts)
        m_ranks[code] = rank++;
    m_ranksValid = true;
    return m_ranks;
}

void ValueColumn::sortTexts(std::vector<uint32_t> &codes) const
{
    // A collator comparison costs about a microsecond, so a sort of hundreds of thousands of texts
    // by comparisons would freeze the view for seconds. Sort keys compare bytewise to the same order
    // and are made in parallel, each thread with a collator of its own.
    const size_t n = codes.size();
    std::vector<std::optional<QCollatorSortKey>> keys(n);
    auto makeKeys = [&](size_t from, size_t to) {
        QCollator collator(QLocale(QLocale::German, QLocale::Germany));
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        for (size_t i = from; i < to; ++i)
            keys[i].emplace(collator.sortKey(m_texts[codes[i]]));
    };
    constexpr size_t PerThread = 20'000;
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t threads = std::clamp<size_t>(n / PerThread, 1, cores);
    std::vector<std::thread> workers;
    for (size_t t = 1; t < threads; ++t)
        workers.emplace_back(makeKeys, n * t / threads, n * (t + 1) / threads);
    makeKeys(0, n / threads);
    for (std::thread &worker : workers)
        worker.join();
    std::vector<uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    // Equal keys keep the codes' order, as the comparison sort did.
    std::stable_sort(order.begin(), order.end(),
                     [&keys](uint32_t a, uint32_t b) { return keys[a]->compare(*keys[b]) < 0; });
    std::vector<uint32_t> sorted(n);
    for (size_t i = 0; i < n; ++i)
        sorted[i] = codes[order[i]];
    codes = std::move(sorted);
}

void ValueColumn::clear()
{
    awaitBatch();
    m_pending.clear();
    m_pendingChars.clear();
    m_kinds.clear();
    m_texts.clear();
    m_numbers.clear();
    append(Text, QString(), 0);
    m_codes.clear();
    m_codes.shrink_to_fit();
    m_marked.clear();
    m_textSlots.clear();
    m_textCount = 0;
    m_intIndex.clear();
    m_numberIndex.clear();
    m_indexValid = true;
    invalidateDerived();
}

void ValueColumn::appendDecoded(Kind kind, const QString &text, qint64 bits)
{
    settle();
    if (kind == Number) {
        double d;
        std::memcpy(&d, &bits, sizeof d);
        const quint64 key = numberKey(d);
        std::memcpy(&bits, &key, sizeof bits);
    }
    append(kind, text, bits);
    m_indexValid = false;
}

void ValueColumn::assignCodes(std::vector<uint32_t> codes)
{
    settle();
    m_codes = std::move(codes);
    invalidateDerived();
}

size_t ValueColumn::rowBytes() const
{
    settle();
    const size_t waiting = (m_pending.capacity() + m_flight.capacity()) * sizeof(PendingPut) +
                           (m_pendingChars.capacity() + m_flightChars.capacity()) * sizeof(char16_t);
    return m_codes.capacity() * sizeof(uint32_t) + m_postingRows.capacity() * sizeof(uint32_t) + waiting;
}

void ValueColumn::buildIndex() const
{
    if (m_indexValid)
        return;
    m_textSlots.clear();
    m_textCount = 0;
    m_intIndex.clear();
    m_numberIndex.clear();
    for (uint32_t code = 1; code < uint32_t(m_kinds.size()); ++code) {
        if (m_kinds[code] == Text)
            indexText(code, textHash(m_texts[code].constData(), m_texts[code].size()));
        else if (m_kinds[code] == Number)
            m_numberIndex.insert(quint64(m_numbers[code]), code);
        else
            m_intIndex.insert(m_numbers[code], code);
    }
    m_indexValid = true;
}

quint32 ValueColumn::textHash(const QChar *chars, qsizetype size)
{
    // Every put of a text hashes it, so this sits on the hot path of a fill. Qt's string hash is
    // SipHash on builds without AES; a multiply-fold over sixteen bytes at a time mixes well enough
    // for a table that compares the text on every hash match anyway. Tails are read as overlapping
    // whole words, so no byte-wise copy runs per put.
    constexpr quint64 k0 = 0xa0761d6478bd642full, k1 = 0xe7037ed1a0b428dbull, k2 = 0x8ebc6af09c88c6e3ull;
    auto fold = [](quint64 a, quint64 b) {
        const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
        return quint64(product) ^ quint64(product >> 64);
    };
    auto load64 = [](const unsigned char *p) {
        quint64 v;
        std::memcpy(&v, p, sizeof v);
        return v;
    };
    auto load32 = [](const unsigned char *p) {
        quint32 v;
        std::memcpy(&v, p, sizeof v);
        return quint64(v);
    };
    const auto *p = reinterpret_cast<const unsigned char *>(chars);
    const size_t n = size_t(size) * sizeof(QChar); // even
    quint64 h = k2 ^ n;
    quint64 a = 0, b = 0;
    if (n <= 16) {
        if (n >= 8) {
            a = load64(p);
            b = load64(p + n - 8);
        } else if (n >= 4) {
            a = load32(p);
            b = load32(p + n - 4);
        } else if (n == 2) {
            a = quint64(p[0]) | quint64(p[1]) << 8;
        }
    } else {
        size_t left = n;
        for (; left > 16; left -= 16, p += 16)
            h = fold(load64(p) ^ k0, load64(p + 8) ^ h);
        a = load64(p + left - 16);
        b = load64(p + left - 8);
    }
    h = fold(a ^ k1 ^ h, b ^ k0);
    h = fold(h ^ k2, k1 ^ n);
    return quint32(h ^ (h >> 32));
}

std::optional<uint32_t> ValueColumn::findText(const QChar *chars, qsizetype size, quint32 hash) const
{
    if (m_textSlots.empty())
        return std::nullopt;
    const size_t mask = m_textSlots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const quint64 slot = m_textSlots[i];
        if (slot == 0)
            return std::nullopt;
        if (quint32(slot >> 32) == hash) {
            const uint32_t code = uint32_t(slot & 0xFFFFFFFFu) - 1;
            const QString &known = m_texts[code];
            if (known.size() == size && sameChars(known.constData(), chars, size))
                return code;
        }
    }
}

void ValueColumn::indexText(uint32_t code, quint32 hash) const
{
    if ((m_textCount + 1) * 2 > m_textSlots.size()) {
        std::vector<quint64> old = std::move(m_textSlots);
        m_textSlots.assign(std::max<size_t>(64, old.size() * 2), 0);
        const size_t mask = m_textSlots.size() - 1;
        for (quint64 slot : old)
            if (slot != 0) {
                size_t i = size_t(slot >> 32) & mask;
                while (m_textSlots[i] != 0)
                    i = (i + 1) & mask;
                m_textSlots[i] = slot;
            }
    }
    const size_t mask = m_textSlots.size() - 1;
    size_t i = hash & mask;
    while (m_textSlots[i] != 0)
        i = (i + 1) & mask;
    m_textSlots[i] = (quint64(hash) << 32) | (quint64(code) + 1);
    ++m_textCount;
}

void ValueColumn::invalidateDerived() const
{
    m_postingsValid = false;
    m_ranksValid = false;
}
