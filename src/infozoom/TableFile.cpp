// The table file format: encoding, decoding, saving and loading.
#include "TableFile.h"

#include "TableData.h"
#include "TableErrors.h"
#include "platform/FileTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>

namespace {

const QByteArray Magic("\x89" "DLXTAB\n", 8);
constexpr int HeaderSize = 8 + 2 + 2 + 8;
constexpr int MaxDepth = 32;
enum ValueKind : quint8 { TextValue = 1, IntValue = 2, NumberValue = 3 };

quint32 crc32(const char *data, qsizetype size)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ quint8(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

class Writer
{
public:
    QByteArray bytes;

    template <typename T> void put(T v)
    {
        char raw[sizeof(T)];
        std::memcpy(raw, &v, sizeof(T)); // the file is little-endian, as every machine we run on
        bytes.append(raw, sizeof(T));
    }
    void putText(const QString &s)
    {
        const QByteArray utf8 = s.toUtf8();
        put<quint32>(quint32(utf8.size()));
        bytes.append(utf8);
    }
};

class Reader
{
public:
    Reader(const char *data, qsizetype size) : m_p(data), m_end(data + size) {}

    bool ok = true;
    qsizetype left() const { return m_end - m_p; }

    template <typename T> T get()
    {
        T v{};
        if (!need(sizeof(T)))
            return v;
        std::memcpy(&v, m_p, sizeof(T));
        m_p += sizeof(T);
        return v;
    }
    QString getText()
    {
        const quint32 n = get<quint32>();
        if (!need(n))
            return {};
        QString s = QString::fromUtf8(m_p, qsizetype(n));
        m_p += n;
        return s;
    }
    const char *take(qsizetype n)
    {
        if (!need(n))
            return nullptr;
        const char *p = m_p;
        m_p += n;
        return p;
    }
    // A count of items of at least `itemSize` bytes each must fit in what is left.
    bool plausible(quint64 count, quint64 itemSize)
    {
        if (count * itemSize > quint64(left()))
            ok = false;
        return ok;
    }

private:
    bool need(quint64 n)
    {
        if (!ok || n > quint64(left()))
            ok = false;
        return ok;
    }

    const char *m_p;
    const char *m_end;
};

struct Encoder
{
    Writer out;
    std::vector<uint32_t> liveRows;

    void attribute(const AttributeNodeData &node)
    {
        const ValueColumn &column = *node.column;
        out.putText(node.format);
        out.put<qint32>(node.mode);
        out.put<quint8>(node.selected ? 1 : 0);
        // Only the values that live rows use, in their old order; code 0 stays the empty value.
        std::vector<uint32_t> remap(column.distinctCount(), 0);
        std::vector<uint8_t> used(column.distinctCount(), 0);
        for (uint32_t row : liveRows)
            used[column.codeAt(row)] = 1;
        for (uint32_t code : column.markedCodes())
            used[code] = 1;
        uint32_t next = 1;
        for (uint32_t code = 1; code < column.distinctCount(); ++code)
            if (used[code])
                remap[code] = next++;
        out.put<quint32>(next);
        for (uint32_t code = 1; code < column.distinctCount(); ++code)
            if (used[code])
                value(column, code);
        const quint8 width = next == 1 ? 0 : next <= 0x100 ? 1 : next <= 0x10000 ? 2 : 4;
        out.put<quint8>(width);
        codes(column, remap, width);
        const std::vector<uint32_t> marked = column.markedCodes();
        out.put<quint32>(quint32(marked.size()));
        for (uint32_t code : marked)
            out.put<quint32>(remap[code]);
    }

    void value(const ValueColumn &column, uint32_t code)
    {
        switch (column.kind(code)) {
        case ValueColumn::Text:
            out.put<quint8>(TextValue);
            out.putText(column.text(code));
            break;
        case ValueColumn::Number:
            out.put<quint8>(NumberValue);
            out.put<double>(column.number(code));
            break;
        default:
            out.put<quint8>(IntValue);
            out.put<qint64>(column.whole(code));
        }
    }

    template <typename T> void packed(const ValueColumn &column, const std::vector<uint32_t> &remap)
    {
        const qsizetype at = out.bytes.size();
        out.bytes.resize(at + qsizetype(liveRows.size() * sizeof(T)));
        char *dst = out.bytes.data() + at;
        for (uint32_t row : liveRows) {
            const T code = T(remap[column.codeAt(row)]);
            std::memcpy(dst, &code, sizeof(T));
            dst += sizeof(T);
        }
    }

    void codes(const ValueColumn &column, const std::vector<uint32_t> &remap, quint8 width)
    {
        if (width == 1)
            packed<quint8>(column, remap);
        else if (width == 2)
            packed<quint16>(column, remap);
        else if (width == 4)
            packed<quint32>(column, remap);
    }

    void node(const AttributeNodeData &n)
    {
        out.put<quint8>(quint8(n.type));
        out.putText(n.name);
        out.putText(n.importName);
        if (n.type == AttributeNodeData::Attribute) {
            attribute(n);
            return;
        }
        out.put<quint8>(n.selected ? 1 : 0);
        out.put<quint32>(quint32(n.children.size()));
        for (const auto &child : n.children)
            node(*child);
    }
};

struct Decoder
{
    Reader in;
    TableData &table;
    quint32 rows = 0;

    bool attribute(AttributeNodeData &node)
    {
        node.format = in.getText();
        node.mode = in.get<qint32>();
        node.selected = in.get<quint8>() & 1;
        const quint32 distinct = in.get<quint32>();
        if (!in.ok || distinct == 0 || !in.plausible(distinct - 1, 2))
            return false;
        ValueColumn &column = *node.column;
        column.clear();
        for (quint32 i = 1; i < distinct && in.ok; ++i) {
            const quint8 kind = in.get<quint8>();
            if (kind == TextValue) {
                column.appendDecoded(ValueColumn::Text, in.getText(), 0);
            } else if (kind == IntValue) {
                column.appendDecoded(ValueColumn::Integer, QString(), in.get<qint64>());
            } else if (kind == NumberValue) {
                const double d = in.get<double>();
                qint64 bits;
                std::memcpy(&bits, &d, sizeof bits);
                column.appendDecoded(ValueColumn::Number, QString(), bits);
            } else {
                return false;
            }
        }
        const quint8 width = in.get<quint8>();
        std::vector<uint32_t> codes;
        if (!in.ok || !readCodes(width, distinct, codes))
            return false;
        column.assignCodes(std::move(codes));
        const quint32 marked = in.get<quint32>();
        if (!in.plausible(marked, 4))
            return false;
        for (quint32 i = 0; i < marked; ++i) {
            const quint32 code = in.get<quint32>();
            if (code >= distinct)
                return false;
            node.column->setMarked(code, true);
        }
        return in.ok;
    }

    bool readCodes(quint8 width, quint32 distinct, std::vector<uint32_t> &codes)
    {
        if (width == 0)
            return distinct == 1;
        if ((width != 1 && width != 2 && width != 4) || !in.plausible(rows, width))
            return false;
        const char *p = in.take(qsizetype(rows) * width);
        if (!p)
            return false;
        codes.resize(rows);
        for (quint32 r = 0; r < rows; ++r) {
            quint32 code = 0;
            std::memcpy(&code, p + size_t(r) * width, width);
            if (code >= distinct)
                return false;
            codes[r] = code;
        }
        return true;
    }

    bool children(AttributeNodeData &folder, int depth)
    {
        const quint32 count = in.get<quint32>();
        if (!in.ok || depth > MaxDepth || !in.plausible(count, 10))
            return false;
        for (quint32 i = 0; i < count; ++i) {
            const quint8 type = in.get<quint8>();
            if (type != AttributeNodeData::Attribute && type != AttributeNodeData::Folder)
                return false;
            const QString name = in.getText();
            auto node = table.addNode(&folder, AttributeNodeData::Type(type), name);
            node->importName = in.getText();
            if (!in.ok)
                return false;
            if (type == AttributeNodeData::Attribute ? !attribute(*node) : !folderBody(*node, depth))
                return false;
        }
        return in.ok;
    }

    bool folderBody(AttributeNodeData &folder, int depth)
    {
        folder.selected = in.get<quint8>() & 1;
        return children(folder, depth + 1);
    }

    bool markedRows()
    {
        const quint32 count = in.get<quint32>();
        if (!in.plausible(count, 4))
            return false;
        std::vector<uint8_t> flags;
        if (count > 0)
            flags.assign(rows, 0);
        for (quint32 i = 0; i < count; ++i) {
            const quint32 row = in.get<quint32>();
            if (row >= rows)
                return false;
            flags[row] = 1;
        }
        table.setMarkedRowFlags(std::move(flags));
        return in.ok;
    }
};

QString damaged()
{
    return QStringLiteral("Die Datei ist unvollständig oder beschädigt.");
}

} // namespace

QByteArray TableFile::envelope(const QByteArray &payload, quint16 major)
{
    Writer w;
    w.bytes.reserve(payload.size() + HeaderSize + 4);
    w.bytes.append(Magic);
    w.put<quint16>(major);
    w.put<quint16>(MinorVersion);
    w.put<quint64>(quint64(payload.size()));
    w.bytes.append(payload);
    w.put<quint32>(crc32(payload.constData(), payload.size()));
    return w.bytes;
}

QByteArray TableFile::encode(TableData &table)
{
    Encoder e;
    e.liveRows.reserve(table.liveRowCount());
    for (uint32_t row = 0; row < table.rowSlots(); ++row)
        if (table.isAlive(row))
            e.liveRows.push_back(row);
    e.out.put<quint32>(quint32(e.liveRows.size()));
    const AttributeNodeData &root = *table.root();
    e.out.put<quint32>(quint32(root.children.size()));
    for (const auto &child : root.children)
        e.node(*child);
    std::vector<uint32_t> marked;
    for (uint32_t i = 0; i < e.liveRows.size(); ++i)
        if (table.isRowMarked(e.liveRows[i]))
            marked.push_back(i);
    e.out.put<quint32>(quint32(marked.size()));
    for (uint32_t row : marked)
        e.out.put<quint32>(row);
    return envelope(e.out.bytes);
}

bool TableFile::decode(const QByteArray &bytes, TableData &fresh, QString *reason)
{
    if (bytes.size() < HeaderSize + 4 || !bytes.startsWith(Magic)) {
        *reason = bytes.startsWith(Magic) ? damaged() : QStringLiteral("Die Datei ist keine Datolux-Tabellendatei.");
        return false;
    }
    Reader header(bytes.constData() + Magic.size(), HeaderSize - Magic.size());
    const quint16 major = header.get<quint16>();
    header.get<quint16>();
    const quint64 length = header.get<quint64>();
    // No version of the program wrote version 0, so such a header is damaged, not from the future.
    if (major == 0) {
        *reason = damaged();
        return false;
    }
    if (major > MajorVersion) {
        *reason = QStringLiteral("Die Datei wurde mit einer neueren Programmversion gespeichert (Dateiversion %1).")
                      .arg(major);
        return false;
    }
    const char *payload = bytes.constData() + HeaderSize;
    quint32 storedCrc = 0;
    if (length != quint64(bytes.size() - HeaderSize - 4) ||
        (std::memcpy(&storedCrc, payload + length, 4), storedCrc != crc32(payload, qsizetype(length)))) {
        *reason = damaged();
        return false;
    }
    Decoder d{Reader(payload, qsizetype(length)), fresh};
    d.rows = d.in.get<quint32>();
    if (!d.in.ok || d.rows > MaxRows || !d.children(*fresh.root(), 0) || !d.markedRows() || d.in.left() != 0) {
        *reason = damaged();
        return false;
    }
    fresh.addRows(d.rows);
    return true;
}

void TableFile::save(TableData &table, const QString &path)
{
    QString reason;
    if (!platform::FileTransaction::writeFile(path, encode(table), &reason))
        TableErrors::raise(TableErrors::FileAccess,
                           QStringLiteral("Die Tabellendatei \"%1\" konnte nicht gespeichert werden: %2")
                               .arg(QDir::toNativeSeparators(path), reason));
}

void TableFile::load(TableData &table, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!QFileInfo(path).isFile())
        TableErrors::raise(TableErrors::FileNotFound,
                           QStringLiteral("Die Tabellendatei \"%1\" wurde nicht gefunden.").arg(shown));
    if (!file.open(QIODevice::ReadOnly))
        TableErrors::raise(TableErrors::FileAccess,
                           QStringLiteral("Die Tabellendatei \"%1\" kann nicht gelesen werden.").arg(shown));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        TableErrors::raise(TableErrors::FileAccess,
                           QStringLiteral("Die Tabellendatei \"%1\" kann nicht gelesen werden.").arg(shown));
    TableData fresh;
    QString reason;
    if (!decode(bytes, fresh, &reason))
        TableErrors::raise(TableErrors::BadFileFormat,
                           QStringLiteral("Die Tabellendatei \"%1\" kann nicht geladen werden. %2").arg(shown, reason));
    table.adopt(fresh);
}
