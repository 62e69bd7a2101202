// Selection, zoom, exclusion, marks, zoom history and the query text.
#include "TableFixture.h"

#include "infozoom/TableData.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

class InfoZoomSelection : public ::testing::Test
{
protected:
    void SetUp() override { fillSample(table); }
    InfoZoomAttribute attr(const char *name) { return attributeNamed(table, QString::fromUtf8(name)); }
    QStringList selected() { return namesOf(table, table.SelectedObjects()); }
    QStringList current() { return namesOf(table, table.CurrentObjects()); }
    QStringList marked()
    {
        QStringList result;
        auto data = table.data();
        InfoZoomObjects all = table.Objects();
        for (int i = 0; i < all.Count(); ++i) {
            InfoZoomObject o = all.NextObject();
            if (data->isRowMarked(o.row()))
                result << o.Value(attr("Name")).toString();
        }
        return result;
    }

    InfoZoomTable table;
};

TEST_F(InfoZoomSelection, SelectValueOfAnAbsentValueRaisesAndChangesNothing)
{
    attr("Ort").SelectValue(QStringLiteral("Berlin"), true);
    // No row is without an Ort.
    for (const QString &absent : {QStringLiteral("Köln"), QString()}) {
        try {
            attr("Ort").SelectValue(absent, true);
            ADD_FAILURE() << "no error for the absent value \"" << absent.toStdString() << '"';
        } catch (const platform::VbError &e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("\"%1\"").arg(absent)));
            EXPECT_TRUE(e.description().contains(QStringLiteral("Ort")));
        }
    }
    EXPECT_EQ(selected(), QStringList({"Anna", "Clara", "Eva"}));
}

TEST_F(InfoZoomSelection, OrWithinAnAttributeAndAcrossAttributes)
{
    attr("Ort").SelectValue(QStringLiteral("Berlin"), true);
    attr("Ort").SelectValue(QStringLiteral("München"), true);
    EXPECT_EQ(selected(), QStringList({"Anna", "Clara", "Dieter", "Eva"}));
    attr("Typ").SelectValue(QStringLiteral("Anruf"), true);
    EXPECT_EQ(selected(), QStringList({"Anna", "Dieter"}));
    attr("Typ").SelectValue(QStringLiteral("Brief"), false);
    EXPECT_EQ(selected(), QStringList({"Clara"}));
}

TEST_F(InfoZoomSelection, ANumberIsFoundFromItsText)
{
    attr("Anzahl").SelectValue(QStringLiteral("12"), true);
    EXPECT_EQ(selected(), QStringList({"Bernd", "Eva"}));
    InfoZoomValues values = attr("Anzahl").SelectedValues();
    values.Reset();
    ASSERT_EQ(values.Count(), 1);
    EXPECT_EQ(values.NextValue().Value().toInt(), 12);
}

TEST_F(InfoZoomSelection, ZoomExcludeMarkAndBackSequence)
{
    InfoZoomAttribute name = attr("Name");
    EXPECT_FALSE(table.CanMark());
    EXPECT_FALSE(table.CanExclude());

    attr("Ort").SelectValue(QStringLiteral("Berlin"), true);
    ASSERT_TRUE(table.CanMark());
    table.Mark();
    table.Zoom();
    EXPECT_EQ(current(), QStringList({"Anna", "Clara", "Eva"}));
    EXPECT_TRUE(selected().isEmpty());
    EXPECT_EQ(marked(), QStringList({"Anna", "Clara", "Eva"}));

    attr("Typ").SelectValue(QStringLiteral("Brief"), true);
    EXPECT_EQ(selected(), QStringList({"Clara"}));
    InfoZoomObjects all = table.Objects();
    int selectedRows = 0;
    for (int i = 0; i < all.Count(); ++i)
        selectedRows += all.NextObject().IsSelected(name);
    EXPECT_EQ(selectedRows, 1);
    ASSERT_TRUE(table.CanExclude());
    table.Exclude();
    EXPECT_EQ(current(), QStringList({"Anna", "Eva"}));
    EXPECT_TRUE(selected().isEmpty());

    // Selected values outside the view select no row.
    attr("Ort").SelectValue(QStringLiteral("Hamburg"), true);
    EXPECT_TRUE(selected().isEmpty());
    EXPECT_FALSE(table.CanMark());
    table.Zoom();
    EXPECT_EQ(current(), QStringList({"Anna", "Eva"}));
    table.ResetSelection();

    table.ZoomBack();
    EXPECT_EQ(current(), QStringList({"Anna", "Clara", "Eva"}));
    table.ZoomBack();
    EXPECT_EQ(current().size(), 6);
    EXPECT_FALSE(table.CanZoomBack());
    EXPECT_EQ(marked(), QStringList({"Anna", "Clara", "Eva"}));
    table.ZoomForward();
    table.ZoomForward();
    EXPECT_EQ(current(), QStringList({"Anna", "Eva"}));
    EXPECT_FALSE(table.CanZoomForward());
}

TEST_F(InfoZoomSelection, ANewZoomAfterBackDropsTheForwardSteps)
{
    attr("Ort").SelectValue(QStringLiteral("Berlin"), true);
    table.Zoom();
    table.ZoomBack();
    EXPECT_TRUE(table.CanZoomForward());
    attr("Typ").SelectValue(QStringLiteral("Anruf"), true);
    table.Zoom();
    EXPECT_FALSE(table.CanZoomForward());
    EXPECT_EQ(current(), QStringList({"Anna", "Dieter", "Frank"}));
    EXPECT_EQ(table.QueryText(), QStringLiteral("Typ = \"Anruf\""));
}

TEST_F(InfoZoomSelection, QueryTextDescribesTheSteps)
{
    EXPECT_TRUE(table.QueryText().isEmpty());
    attr("Ort").SelectValue(QStringLiteral("Berlin"), true);
    attr("Ort").SelectValue(QStringLiteral("Hamburg"), true);
    table.Zoom();
    EXPECT_EQ(table.QueryText(), QStringLiteral("(Ort = \"Berlin\" ODER Ort = \"Hamburg\")"));
    attr("Typ").SelectValue(QStringLiteral("Anruf"), true);
    table.Exclude();
    EXPECT_EQ(table.QueryText(), QStringLiteral("(Ort = \"Berlin\" ODER Ort = \"Hamburg\") UND Typ <> \"Anruf\""));
    attr("Anzahl").SelectValue(12, true);
    attr("Typ").SelectValue(QStringLiteral("Termin"), true);
    table.Exclude();
    EXPECT_TRUE(table.QueryText().endsWith(QStringLiteral(" UND NICHT (Typ = \"Termin\" UND Anzahl = 12)")));
    table.ZoomBack();
    table.ZoomBack();
    table.ZoomBack();
    EXPECT_TRUE(table.QueryText().isEmpty());
}

TEST_F(InfoZoomSelection, MarkedValuesAreKeptPerValue)
{
    attr("Ort").SelectValue(QStringLiteral("Berlin"), true);
    attr("Ort").SelectValue(QStringLiteral("Hamburg"), true);
    InfoZoomValues values = attr("Ort").SelectedValues();
    values.Reset();
    ASSERT_EQ(values.Count(), 2);
    InfoZoomValue berlin = values.NextValue();
    InfoZoomValue hamburg = values.NextValue();
    EXPECT_TRUE(values.NextValue().isNull());
    hamburg.setMarked(true);
    EXPECT_FALSE(berlin.Marked());
    EXPECT_TRUE(hamburg.Marked());
    EXPECT_EQ(hamburg.Value().toString(), "Hamburg");
    table.ResetSelection();
    EXPECT_EQ(attr("Ort").SelectedValues().Count(), 0);
    EXPECT_TRUE(hamburg.Marked());
}

// The selected values of an attribute are the values it holds in the selected rows, whichever
// attribute they were picked in, each once, in the order of its first row in the view.
struct SelectedValuesCase
{
    const char *what;
    const char *zoomTo;    // an Ort whose rows the view is narrowed to first, or nullptr
    bool sortedByNameDown; // the view ordered by Name, descending
    std::vector<std::pair<const char *, const char *>> picks; // attribute, value, in picking order
    const char *attribute;
    QStringList expected;
    friend void PrintTo(const SelectedValuesCase &c, std::ostream *os) { *os << c.what; }
};

class InfoZoomSelectedValues : public InfoZoomSelection, public ::testing::WithParamInterface<SelectedValuesCase>
{
};

TEST_P(InfoZoomSelectedValues, AreTheValuesOfTheSelectedRows)
{
    const SelectedValuesCase &c = GetParam();
    if (c.zoomTo) {
        attr("Ort").SelectValue(QString::fromUtf8(c.zoomTo), true);
        table.Zoom();
    }
    if (c.sortedByNameDown)
        table.SortBy(attr("Name"), false);
    for (const auto &[attribute, value] : c.picks)
        attr(attribute).SelectValue(QString::fromUtf8(value), true);
    InfoZoomValues values = attr(c.attribute).SelectedValues();
    values.Reset();
    QStringList result;
    for (int i = values.Count(); i > 0; --i)
        result << values.NextValue().Value().toString();
    EXPECT_EQ(result, c.expected);
    EXPECT_TRUE(values.NextValue().isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Selections, InfoZoomSelectedValues,
    ::testing::Values(
        SelectedValuesCase{"nothing selected", nullptr, false, {}, "Name", {}},
        SelectedValuesCase{
            "picked in another attribute", nullptr, false, {{"Ort", "Berlin"}}, "Name", {"Anna", "Clara", "Eva"}},
        SelectedValuesCase{"each value once", nullptr, false, {{"Ort", "Berlin"}}, "Typ", {"Anruf", "Brief", "Termin"}},
        SelectedValuesCase{
            "rows of two attributes", nullptr, false, {{"Ort", "Berlin"}, {"Typ", "Brief"}}, "Anzahl", {"7"}},
        SelectedValuesCase{"picked in the attribute itself",
                           nullptr,
                           false,
                           {{"Name", "Eva"}, {"Name", "Anna"}},
                           "Name",
                           {"Eva", "Anna"}},
        SelectedValuesCase{"a picked value outside the view",
                           "Hamburg",
                           false,
                           {{"Name", "Anna"}, {"Name", "Bernd"}},
                           "Name",
                           {"Bernd"}},
        SelectedValuesCase{"no selected row", nullptr, false, {{"Ort", "München"}, {"Typ", "Brief"}}, "Name", {}},
        SelectedValuesCase{"only rows of the view", "Hamburg", false, {{"Typ", "Anruf"}}, "Name", {"Frank"}},
        SelectedValuesCase{
            "in the view's order", nullptr, true, {{"Ort", "Berlin"}}, "Name", {"Eva", "Clara", "Anna"}}),
    [](const ::testing::TestParamInfo<SelectedValuesCase> &info) {
        QString name = QString::fromUtf8(info.param.what);
        name.replace(QLatin1Char(' '), QLatin1Char('_')).remove(QLatin1Char('\''));
        return name.toStdString();
    });

TEST_F(InfoZoomSelection, DeletingASelectedAttributeDropsItsSelection)
{
    attr("Ort").SelectValue(QStringLiteral("Berlin"), true);
    attr("Typ").SelectValue(QStringLiteral("Anruf"), true);
    table.DeleteAttribute(attr("Typ"), true, true);
    EXPECT_EQ(selected(), QStringList({"Anna", "Clara", "Eva"}));
}

TEST_F(InfoZoomSelection, RowsAddedWhileZoomedStayOutOfTheZoomButJoinTheWholeTable)
{
    attr("Ort").SelectValue(QStringLiteral("Hamburg"), true);
    table.Zoom();
    InfoZoomObject extra = table.Objects().Add();
    extra.setValue(attr("Name"), QStringLiteral("Gerd"));
    EXPECT_EQ(current(), QStringList({"Bernd", "Frank"}));
    table.ZoomBack();
    EXPECT_EQ(current().last(), "Gerd");
}
