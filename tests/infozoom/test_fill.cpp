// Large fills: values put with the display off are looked up later on worker threads; whatever the
// table shows and saves must be exactly what putting every value at once gives.
#include "platform/VbError.h"
#include "infozoom/InfoZoomTable.h"
#include "infozoom/TableData.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int Attributes = 4;

// The value of a cell: texts with repeats, empty cells, whole numbers beyond 32 bits, doubles and
// a text that only looks like a number.
QVariant cellValue(int row, int attribute)
{
    switch (attribute) {
    case 0:
        return QStringLiteral("Kunde %1").arg(row % 997);
    case 1:
        return row % 5 == 0 ? QVariant(QString()) : QVariant(QStringLiteral("Ort %1").arg(row % 13));
    case 2:
        return row % 3 == 0 ? QVariant(qlonglong(row) * 5'000'000'000LL) : QVariant(row % 40);
    default:
        return row % 2 == 0 ? QVariant(double(row % 71) / 4) : QVariant(QString::number(row % 71));
    }
}

std::vector<InfoZoomAttribute> addAttributes(InfoZoomTable &table)
{
    std::vector<InfoZoomAttribute> attributes;
    for (int a = 0; a < Attributes; ++a)
        attributes.push_back(table.Attributes().Add(QStringLiteral("Feld %1").arg(a)));
    return attributes;
}

// Rows put one after the other; when `readEach`, every put is read back at once, so nothing waits.
void fill(InfoZoomTable &table, int rows, bool readEach)
{
    std::vector<InfoZoomAttribute> attributes = addAttributes(table);
    table.setDisplayEnabled(readEach);
    InfoZoomObjects objects = table.Objects();
    for (int r = 0; r < rows; ++r) {
        InfoZoomObject row = objects.Add();
        for (int a = 0; a < Attributes; ++a) {
            row.setValue(attributes[size_t(a)], cellValue(r, a));
            if (readEach)
                row.Value(attributes[size_t(a)]);
        }
    }
    table.setDisplayEnabled(true);
}

QByteArray savedBytes(InfoZoomTable &table, const QTemporaryDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    table.SaveFile(path, QStringLiteral("fox"), QString(), 0);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(InfoZoomFill, AFillWithTheDisplayOffSavesTheSameBytesAsPuttingEachValueAtOnce)
{
    constexpr int Rows = 20'000; // several hand-overs to the worker threads
    QTemporaryDir dir;
    InfoZoomTable deferred;
    InfoZoomTable immediate;
    fill(deferred, Rows, false);
    fill(immediate, Rows, true);
    const QByteArray a = savedBytes(deferred, dir, QStringLiteral("a.fox"));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, savedBytes(immediate, dir, QStringLiteral("b.fox")));
    // The buffers of the waiting puts are given back once the display is on again.
    EXPECT_LE(deferred.data()->rowBytes(), size_t(Rows) * Attributes * 12);
}

TEST(InfoZoomFill, ValuesReadDuringAFillAreTheLastOnesPut)
{
    InfoZoomTable table;
    std::vector<InfoZoomAttribute> attributes = addAttributes(table);
    table.setDisplayEnabled(false);
    InfoZoomObjects objects = table.Objects();
    std::vector<InfoZoomObject> rows;
    for (int r = 0; r < 9'000; ++r) {
        rows.push_back(objects.Add());
        for (int a = 0; a < Attributes; ++a)
            rows.back().setValue(attributes[size_t(a)], cellValue(r, a));
        if (r == 4'095) { // just after a hand-over to the workers
            // Written twice before anyone looks: the second put wins.
            rows[10].setValue(attributes[0], QStringLiteral("überschrieben"));
            rows[10].setValue(attributes[0], QStringLiteral("zweimal überschrieben"));
            rows[11].setValue(attributes[2], QString());
            EXPECT_EQ(rows[10].Value(attributes[0]), QVariant(QStringLiteral("zweimal überschrieben")));
            EXPECT_EQ(rows[4'095].Value(attributes[2]), cellValue(4'095, 2));
        }
    }
    EXPECT_EQ(rows[8'999].Value(attributes[3]), cellValue(8'999, 3));
    EXPECT_EQ(rows[11].Value(attributes[2]), QVariant(QString()));
    EXPECT_EQ(rows[3].Value(attributes[2]), QVariant(qlonglong(15'000'000'000LL)));
    EXPECT_EQ(rows[4].Value(attributes[3]), QVariant(1.0));
    table.setDisplayEnabled(true);
    attributes[1].SelectValue(QStringLiteral("Ort 7"), true);
    table.Zoom();
    int expected = 0;
    for (int r = 0; r < 9'000; ++r)
        expected += (r % 5 != 0 && r % 13 == 7) ? 1 : 0;
    EXPECT_EQ(table.CurrentObjects().Count(), expected);
}

TEST(InfoZoomFill, ManyPutsIntoExistingRowsWithoutNewRowsAllArrive)
{
    InfoZoomTable table;
    std::vector<InfoZoomAttribute> attributes = addAttributes(table);
    InfoZoomObjects objects = table.Objects();
    std::vector<InfoZoomObject> rows;
    for (int r = 0; r < 100; ++r)
        rows.push_back(objects.Add());
    table.setDisplayEnabled(false);
    // More puts than a column lets wait, none of them adding a row.
    for (int round = 0; round < 1'000; ++round)
        for (int r = 0; r < 100; ++r)
            rows[size_t(r)].setValue(attributes[0], QStringLiteral("Runde %1 Zeile %2").arg(round).arg(r));
    table.setDisplayEnabled(true);
    EXPECT_EQ(rows[42].Value(attributes[0]), QVariant(QStringLiteral("Runde 999 Zeile 42")));
    EXPECT_NO_THROW(attributes[0].SelectValue(QStringLiteral("Runde 999 Zeile 7"), true));
}

TEST(InfoZoomFill, EmptyingOrDroppingATableWhileWorkersLookUpItsValuesIsSafe)
{
    auto table = std::make_unique<InfoZoomTable>();
    const std::vector<InfoZoomAttribute> attributes = addAttributes(*table);
    table->setDisplayEnabled(false);
    InfoZoomObjects objects = table->Objects();
    for (int r = 0; r < 8'200; ++r) {
        InfoZoomObject row = objects.Add();
        for (int a = 0; a < Attributes; ++a)
            row.setValue(attributes[size_t(a)], cellValue(r, a));
    }
    table->DeleteAllObjects();
    EXPECT_EQ(table->Objects().Count(), 0);
    InfoZoomObject row = table->Objects().Add();
    row.setValue(attributes[0], QStringLiteral("neu"));
    EXPECT_EQ(row.Value(attributes[0]), QVariant(QStringLiteral("neu")));
    for (int r = 0; r < 8'200; ++r)
        table->Objects().Add().setValue(attributes[1], cellValue(r, 1));
    table.reset(); // with a hand-over to the workers just made
}

} // namespace
