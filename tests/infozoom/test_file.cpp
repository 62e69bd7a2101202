// Table files: what a save keeps, and how damaged or foreign files are refused.
#include "FileSizeLimit.h"
#include "TableFixture.h"

#include "platform/VbError.h"
#include "infozoom/TableData.h"
#include "infozoom/TableFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The error number of a LoadFile, 0 when it loaded.
long loadError(InfoZoomTable &table, const QString &path, QString *description = nullptr)
{
    try {
        table.LoadFile(path, -1, 0, 0, -1, QString(), 0);
    } catch (const platform::VbError &e) {
        if (description)
            *description = e.description();
        return e.number();
    }
    return 0;
}

} // namespace

class InfoZoomFile : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
};

TEST_F(InfoZoomFile, RoundTripKeepsTreeNamesImportNamesFormatsModesAndEveryValueType)
{
    InfoZoomTable source;
    InfoZoomAttributes top = source.Attributes();
    InfoZoomAttribute text = top.Add(QStringLiteral("Text"));
    InfoZoomAttributeNode folder = top.AddFolder(QStringLiteral("Zahlen"));
    InfoZoomAttribute whole = folder.Attributes().Add(QStringLiteral("Ganz"));
    InfoZoomAttribute big = folder.Attributes().Add(QStringLiteral("Groß"));
    InfoZoomAttribute decimal = folder.Attributes().Add(QStringLiteral("Dezimal"));
    text.setImportName(QStringLiteral("ACTFieldID|25"));
    whole.setImportName(QStringLiteral("ACTFieldID|5"));
    whole.setFormat(QStringLiteral("####"));
    whole.setMode(3);
    decimal.setFormat(QStringLiteral("#.###,00"));
    InfoZoomObjects rows = source.Objects();
    InfoZoomObject a = rows.Add();
    a.setValue(text, QStringLiteral("Müller \"Süd\"\ttab"));
    a.setValue(whole, -7);
    a.setValue(big, qlonglong(1) << 40);
    a.setValue(decimal, 1234.5);
    InfoZoomObject b = rows.Add();
    b.setValue(text, QStringLiteral("Zweite"));
    rows.Add(); // an empty row
    text.SelectValue(QStringLiteral("Zweite"), true);
    text.SelectedValues().NextValue().setMarked(true);
    source.Mark();
    source.ResetSelection();
    source.SaveFile(path("t.fox"), QStringLiteral("fox"), QString(), 0);

    InfoZoomTable loaded;
    loaded.LoadFile(path("t.fox"), -1, 0, 0, -1, QString(), 0);
    ASSERT_EQ(loaded.AttributeList().Count(), 5);
    EXPECT_EQ(loaded.AttributeItem(1).NodeType(), 2);
    EXPECT_EQ(loaded.AttributeItem(1).Attributes().Count(), 3);
    InfoZoomAttribute lText = loaded.AttributeItem(0);
    InfoZoomAttribute lWhole = loaded.AttributeItem(2);
    InfoZoomAttribute lBig = loaded.AttributeItem(3);
    InfoZoomAttribute lDecimal = loaded.AttributeItem(4);
    EXPECT_EQ(lText.ImportName(), "ACTFieldID|25");
    EXPECT_EQ(lWhole.ImportName(), "ACTFieldID|5");
    EXPECT_EQ(lWhole.Format(), "####");
    EXPECT_EQ(lWhole.Mode(), 3);
    EXPECT_EQ(lBig.Name(), "Groß");
    EXPECT_EQ(lDecimal.Format(), "#.###,00");
    InfoZoomObjects lRows = loaded.Objects();
    ASSERT_EQ(lRows.Count(), 3);
    InfoZoomObject la = lRows.NextObject();
    EXPECT_EQ(la.Value(lText).toString(), QStringLiteral("Müller \"Süd\"\ttab"));
    EXPECT_EQ(la.Value(lWhole).typeId(), QMetaType::Int);
    EXPECT_EQ(la.Value(lWhole).toInt(), -7);
    EXPECT_EQ(la.Value(lBig).toLongLong(), qlonglong(1) << 40);
    EXPECT_EQ(la.Value(lDecimal).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(la.Value(lDecimal).toDouble(), 1234.5);
    EXPECT_EQ(lRows.NextObject().Value(lText).toString(), "Zweite");
    EXPECT_EQ(lRows.NextObject().Value(lWhole).toString(), QString());
    lText.SelectValue(QStringLiteral("Zweite"), true);
    EXPECT_TRUE(lText.SelectedValues().NextValue().Marked());
    EXPECT_TRUE(loaded.data()->isRowMarked(1));
    EXPECT_FALSE(loaded.data()->isRowMarked(0));
}

TEST_F(InfoZoomFile, DeletedRowsAndOverwrittenValuesAreNotSaved)
{
    InfoZoomTable source;
    fillSample(source);
    InfoZoomObjects rows = source.Objects();
    rows.NextObject().Delete();
    InfoZoomAttribute ort = attributeNamed(source, QStringLiteral("Ort"));
    rows.NextObject();
    rows.NextObject();
    rows.NextObject().setValue(ort, QStringLiteral("Bremen")); // Dieter leaves München
    source.SaveFile(path("t.fox"));
    InfoZoomTable loaded;
    loaded.LoadFile(path("t.fox"));
    EXPECT_EQ(namesOf(loaded, loaded.Objects()), QStringList({"Bernd", "Clara", "Dieter", "Eva", "Frank"}));
    InfoZoomAttribute lOrt = attributeNamed(loaded, QStringLiteral("Ort"));
    EXPECT_THROW(lOrt.SelectValue(QStringLiteral("München"), true), platform::VbError);
    EXPECT_EQ(loaded.data()->root()->children[1]->column->distinctCount(), 4u); // empty, Berlin, Hamburg, Bremen
}

TEST_F(InfoZoomFile, EveryTruncationAndEveryFlippedByteIsRefusedAndLeavesTheTableAsItWas)
{
    InfoZoomTable source;
    fillSample(source);
    source.SaveFile(path("good.fox"));
    const QByteArray good = readAll(path("good.fox"));
    ASSERT_GT(good.size(), 30);

    InfoZoomTable target;
    target.Attributes().Add(QStringLiteral("Bleibt"));
    target.Objects().Add();
    for (int cut = 0; cut < good.size(); cut += 7) {
        writeAll(path("bad.fox"), good.left(cut));
        QString text;
        ASSERT_EQ(loadError(target, path("bad.fox"), &text), 321) << "cut at " << cut;
        EXPECT_TRUE(text.contains(QStringLiteral("bad.fox")));
    }
    for (int at = 0; at < good.size(); at += 5) {
        if (at == 10 || at == 11)
            continue; // the minor version: a file of a later minor version loads by design
        QByteArray flipped = good;
        flipped[at] = char(flipped[at] ^ 0x41);
        writeAll(path("bad.fox"), flipped);
        ASSERT_EQ(loadError(target, path("bad.fox")), 321) << "flip at " << at;
    }
    ASSERT_EQ(target.AttributeList().Count(), 1);
    EXPECT_EQ(target.AttributeItem(0).Name(), "Bleibt");
    EXPECT_EQ(target.Objects().Count(), 1);
}

TEST_F(InfoZoomFile, ForeignNewerAndMissingFilesGetTheirOwnGermanText)
{
    InfoZoomTable table;
    QString text;
    writeAll(path("foreign.fox"), QByteArray("ID;Name\r\n1;Anna\r\n"));
    EXPECT_EQ(loadError(table, path("foreign.fox"), &text), 321);
    EXPECT_TRUE(text.contains(QStringLiteral("keine Datolux-Tabellendatei"))) << text.toStdString();

    writeAll(path("newer.fox"), TableFile::envelope(QByteArray(8, '\0'), TableFile::MajorVersion + 1));
    EXPECT_EQ(loadError(table, path("newer.fox"), &text), 321);
    EXPECT_TRUE(text.contains(QStringLiteral("neueren Programmversion"))) << text.toStdString();

    // No program version ever wrote version 0: such a header is damaged, not from the future.
    writeAll(path("zero.fox"), TableFile::envelope(QByteArray(8, '\0'), 0));
    EXPECT_EQ(loadError(table, path("zero.fox"), &text), 321);
    EXPECT_TRUE(text.contains(QStringLiteral("beschädigt"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("neueren"))) << text.toStdString();

    writeAll(path("empty.fox"), QByteArray());
    EXPECT_EQ(loadError(table, path("empty.fox")), 321);

    EXPECT_EQ(loadError(table, path("fehlt.fox"), &text), 53);
    EXPECT_TRUE(text.contains(QStringLiteral("nicht gefunden")));
    EXPECT_EQ(loadError(table, dir.path()), 53);
}

TEST_F(InfoZoomFile, WellSealedNonsenseIsRefusedToo)
{
    // Right magic, version, length and checksum around payloads that do not decode.
    const QList<QByteArray> payloads = {
        QByteArray(),
        QByteArray("\x01\x00\x00\x00\x01\x00\x00\x00\x07", 9),                           // unknown node type
        QByteArray("\x02\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00" // attribute whose code
                   "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00\x00\x01\x05\x05",  // points past its values
                   34),
        QByteArray(4, '\xff') + QByteArray(8, '\0'),                                     // absurd row count
    };
    InfoZoomTable table;
    for (const QByteArray &payload : payloads) {
        writeAll(path("sealed.fox"), TableFile::envelope(payload));
        EXPECT_EQ(loadError(table, path("sealed.fox")), 321);
    }
}

TEST_F(InfoZoomFile, SaveReplacesTheOldFileWhole)
{
    InfoZoomTable first;
    fillSample(first);
    first.SaveFile(path("t.fox"));
    InfoZoomTable second;
    second.Attributes().Add(QStringLiteral("Nur"));
    second.SaveFile(path("t.fox"));
    InfoZoomTable loaded;
    loaded.LoadFile(path("t.fox"));
    EXPECT_EQ(loaded.AttributeList().Count(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"t.fox"}));
}

TEST_F(InfoZoomFile, AFailedSaveRaises75AndLeavesNoFileBehind)
{
    InfoZoomTable table;
    fillSample(table);
    try {
        table.SaveFile(path("fehlt/t.fox"));
        FAIL() << "saved into a missing folder";
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number(), 75);
        EXPECT_TRUE(e.description().contains(QStringLiteral("konnte nicht gespeichert werden")));
    }
    QDir(dir.path()).mkdir(QStringLiteral("ordner.fox"));
    EXPECT_THROW(table.SaveFile(path("ordner.fox")), platform::VbError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(InfoZoomFile, ASmallTableOnAFullDiskRaises75AndKeepsTheOldFileByteForByte)
{
    InfoZoomTable old;
    old.Attributes().Add(QStringLiteral("Alt"));
    old.SaveFile(path("t.fox"));
    const QByteArray before = readAll(path("t.fox"));
    InfoZoomTable table;
    fillSample(table); // far below any write buffer, so only the final flush can meet the full disk
    long error = 0;
    {
        FileSizeLimit limit(before.size() + 8);
        ASSERT_TRUE(limit.active());
        try {
            table.SaveFile(path("t.fox"));
        } catch (const platform::VbError &e) {
            error = e.number();
        }
    }
    EXPECT_EQ(error, 75);
    EXPECT_EQ(readAll(path("t.fox")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"t.fox"}));
}

TEST_F(InfoZoomFile, OnlyTheFoxTypeIsWritten)
{
    InfoZoomTable table;
    EXPECT_THROW(table.SaveFile(path("t.csv"), QStringLiteral("csv")), platform::VbError);
    EXPECT_FALSE(QFile::exists(path("t.csv")));
}
