// The values of one attribute, dictionary-encoded: each distinct value is kept once and every row
// holds the index (code) of its value, so a cell costs four bytes and a value's rows are found
// through a posting list instead of a scan.
#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class ValueColumn
{
public:
    // Code 0 is always the empty value; rows never written hold it.
    static constexpr uint32_t EmptyCode = 0;

    ValueColumn();
    ~ValueColumn();
    ValueColumn(const ValueColumn &) = delete;
    ValueColumn &operator=(const ValueColumn &) = delete;

    uint32_t codeAt(uint32_t row) const
    {
        settle();
        return row < m_codes.size() ? m_codes[row] : EmptyCode;
    }
    void setCode(uint32_t row, uint32_t code);
    enum Kind : uint8_t { Text = 0, Integer = 1, Number = 2 };

    // Puts whose look-up in the dictionary waits until the column is next read or settled: a fill
    // hands the waiting puts of all attributes to worker threads (startSettling) and goes on
    // filling meanwhile. The outcome, codes included, is the same as putting each value at once.
    void put(uint32_t row, const QString &text);
    void put(uint32_t row, const QVariant &value);
    void putWhole(uint32_t row, qint64 whole);
    void putNumber(uint32_t row, double number);
    size_t pendingPuts() const { return m_pending.size(); }
    // Looks up the waiting puts (after those a worker thread is looking up). Every access does this
    // first, so neither a waiting put nor a worker's half-done work is ever seen.
    void settle() const
    {
        if (m_batch || !m_pending.empty())
            const_cast<ValueColumn *>(this)->settleNow();
    }
    // Settles several columns in parallel and returns when all are settled. Columns share nothing,
    // so each one is settled on one thread.
    static void settleAll(const std::vector<ValueColumn *> &columns);
    // Hands the waiting puts of several columns to worker threads and returns at once; the columns
    // take new puts meanwhile. A batch still running from the last call is waited for first.
    static void startSettling(const std::vector<ValueColumn *> &columns);

    // The code of a value, added to the dictionary when new. Whole numbers stay numbers, texts stay
    // texts; an empty text and an invalid variant are the empty value; dates become their text.
    uint32_t intern(const QVariant &value);
    // The code of a value the column holds: the same kind first, then a number given as text or a
    // text that looks like the number given.
    std::optional<uint32_t> find(const QVariant &value) const;

    uint32_t distinctCount() const
    {
        settle();
        return static_cast<uint32_t>(m_kinds.size());
    }
    // A text, an int (a qlonglong beyond 32 bits) or a double.
    QVariant value(uint32_t code) const;
    Kind kind(uint32_t code) const
    {
        settle();
        return Kind(m_kinds[code]);
    }
    const QString &text(uint32_t code) const
    {
        settle();
        return m_texts[code];
    }
    qint64 whole(uint32_t code) const
    {
        settle();
        return m_numbers[code];
    }
    double number(uint32_t code) const;
    bool isNumber(uint32_t code) const { return kind(code) != Text; }

    bool isMarked(uint32_t code) const { return code < m_marked.size() && m_marked[code]; }
    void setMarked(uint32_t code, bool marked);
    std::vector<uint32_t> markedCodes() const;

    // Rows (in slot order) that hold a code; built on first use after a change.
    struct RowRange
    {
        const uint32_t *begin;
        const uint32_t *end;
    };
    RowRange rowsOf(uint32_t code, uint32_t rowSlots) const;
    // Sort rank of every code: empty first, then numbers by value, then texts in German order.
    const std::vector<uint32_t> &ranks() const;

    // Drops every value and row (the dictionary starts again with the empty value only).
    void clear();
    // Appends a decoded value without looking for an equal one (loading; the index is built later).
    void appendDecoded(Kind kind, const QString &text, qint64 bits);
    // Replaces the rows with decoded codes; the caller has checked every code.
    void assignCodes(std::vector<uint32_t> codes);
    const std::vector<uint32_t> &codes() const
    {
        settle();
        return m_codes;
    }
    // Bytes held for the rows (codes and posting lists), without the distinct values themselves.
    size_t rowBytes() const;

private:
    // A waiting put. A text's characters are copied into m_pendingChars (at `bits`): a copy costs
    // less than holding a reference to the caller's text, and nothing has to be released later.
    struct PendingPut
    {
        uint32_t row;
        uint32_t sizeAndKind; // characters of a text, or the kind in the top bits
        qint64 bits;          // whole number, a double's bits, or where the text's characters start
    };
    static constexpr uint32_t KindShift = 30;
    static constexpr uint32_t MaxPendingText = (1u << KindShift) - 1;

    class SettleBatch;

    static std::shared_ptr<SettleBatch> launch(const std::vector<ValueColumn *> &columns, bool callerHelps);
    void makeRoom();
    void settleNow();
    void awaitBatch();
    void resolve(std::vector<PendingPut> &puts, std::vector<char16_t> &chars);
    // A value as the dictionary keeps it: a text, or a whole number or a double's bits.
    static Kind plain(const QVariant &raw, QString &text, qint64 &bits);
    void putNumeric(uint32_t row, Kind kind, qint64 bits);
    uint32_t internText(const QChar *chars, qsizetype size);
    uint32_t internNumeric(Kind kind, qint64 bits);
    uint32_t internWholeNow(qint64 whole);
    uint32_t internNumberNow(double number);
    void setCodeNow(uint32_t row, uint32_t code);
    void buildIndex() const;
    // Texts in German order: case-insensitive, digit runs as numbers.
    void sortTexts(std::vector<uint32_t> &codes) const;
    std::optional<uint32_t> findText(const QChar *chars, qsizetype size, quint32 hash) const;
    void indexText(uint32_t code, quint32 hash) const;
    static quint32 textHash(const QChar *chars, qsizetype size);
    void invalidateDerived() const;
    static QVariant normalized(const QVariant &value);
    uint32_t append(Kind kind, const QString &text, qint64 bits);

    // The distinct values: kind, text (texts only) and number (whole numbers, or a double's bits).
    std::vector<uint8_t> m_kinds;
    std::vector<QString> m_texts;
    std::vector<qint64> m_numbers;
    std::vector<uint32_t> m_codes;
    std::vector<uint8_t> m_marked;
    std::vector<PendingPut> m_pending;
    std::vector<char16_t> m_pendingChars; // char16_t: copied as bytes, not character by character
    // The puts a worker thread is looking up, and its batch; only the owning thread touches m_batch.
    std::vector<PendingPut> m_flight;
    std::vector<char16_t> m_flightChars;
    std::shared_ptr<SettleBatch> m_batch;

    mutable bool m_indexValid = true;
    // Texts are found through an open-addressing table of (hash << 32 | code + 1) slots: a probe
    // touches one slot and compares the text only on an equal hash, and growing needs no rehashing.
    mutable std::vector<quint64> m_textSlots;
    mutable size_t m_textCount = 0;
    mutable QHash<qint64, uint32_t> m_intIndex;
    mutable QHash<quint64, uint32_t> m_numberIndex;

    mutable bool m_postingsValid = false;
    mutable std::vector<uint32_t> m_postingOffsets;
    mutable std::vector<uint32_t> m_postingRows;
    mutable bool m_ranksValid = false;
    mutable std::vector<uint32_t> m_ranks;
};
