// The ACT! window search over a scripted window list: visibility, class and title matching,
// the 50-character caption, "NoText", and which of several windows wins.
#include "actlink/ACTWindowSearch.h"
#include "platform/FakeWindowList.h"

#include <gtest/gtest.h>

using actlink::FindACTWindow;
using actlink::GetWindowCaption;
using actlink::GetWindowClassName;
using platform::FakeWindowList;

namespace {

const QString kActClass = QStringLiteral("act3.0frameclass");

class WindowSearch : public ::testing::Test
{
protected:
    FakeWindowList windows{true};
};

TEST_F(WindowSearch, NoWindowsGivesZero) { EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), 0u); }

TEST_F(WindowSearch, OfTwoMatchingWindowsTheLaterInEnumerationWins)
{
    windows.add(QStringLiteral("xterm"), QStringLiteral("ACT in a terminal"));
    const auto upper = windows.add(QStringLiteral("Act3.0FrameClass"), QStringLiteral("ACT! - Kunden"));
    const auto lower = windows.add(QStringLiteral("act3.0frameclass"), QStringLiteral("ACT! - Lieferanten"));
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), lower);
    windows.remove(lower);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), upper);
}

TEST_F(WindowSearch, HiddenWindowIsNeverFound)
{
    windows.add(kActClass, QStringLiteral("ACT! - Demo"), /*visible*/ false);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), 0u);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("*")), 0u);
}

TEST_F(WindowSearch, MinimisedWindowIsFound)
{
    const auto w = windows.add(kActClass, QStringLiteral("ACT! - Demo"), true, /*minimized*/ true);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), w);
}

TEST_F(WindowSearch, ClassIsComparedInLowerCaseAsAFragment)
{
    const auto w = windows.add(QStringLiteral("MyACT3.0FrameClassX"), QStringLiteral("ACT!"));
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), w);
    EXPECT_EQ(GetWindowClassName(w), QStringLiteral("myact3.0frameclassx"));
    // The search fragment itself is not lowered: an upper-case fragment never matches.
    EXPECT_EQ(FindACTWindow(QStringLiteral("ACT3.0FRAMECLASS"), QStringLiteral("ACT")), 0u);
    EXPECT_EQ(FindACTWindow(QStringLiteral("act4.0frameclass"), QStringLiteral("*")), 0u);
}

TEST_F(WindowSearch, TitleIsCaseSensitiveAndStarMatchesAnyTitle)
{
    const auto w = windows.add(kActClass, QStringLiteral("ACT! - Demo"));
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), w);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("act")), 0u);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("*")), w);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("Kundenmanager")), 0u);
}

TEST_F(WindowSearch, EmptyTitleReadsAsNoText)
{
    const auto w = windows.add(kActClass, QString());
    EXPECT_EQ(GetWindowCaption(w), QStringLiteral("NoText"));
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("*")), w);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("Text")), w);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), 0u);
}

TEST_F(WindowSearch, OnlyTheFirstFiftyCharactersAfterLeadingBlanksCount)
{
    const QString pad47 = QString(47, QLatin1Char('x'));
    const auto late = windows.add(kActClass, pad47 + QStringLiteral("xACT")); // "ACT" at 49..51
    EXPECT_EQ(GetWindowCaption(late).size(), 50);
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), 0u);

    // Leading blanks do not use up the fifty characters.
    const auto padded = windows.add(kActClass, QString(10, QLatin1Char(' ')) + pad47 + QStringLiteral("ACT"));
    EXPECT_EQ(GetWindowCaption(padded), pad47 + QStringLiteral("ACT"));
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), padded);
}

TEST_F(WindowSearch, CaptionKeepsTrailingBlanksAndStopsAtNul)
{
    const auto w = windows.add(kActClass, QStringLiteral("  ACT  "));
    EXPECT_EQ(GetWindowCaption(w), QStringLiteral("ACT  "));
    const auto n = windows.add(kActClass, QStringLiteral("Demo") + QChar(0) + QStringLiteral("ACT"));
    EXPECT_EQ(GetWindowCaption(n), QStringLiteral("Demo"));
    EXPECT_EQ(FindACTWindow(kActClass, QStringLiteral("ACT")), w);
}

TEST_F(WindowSearch, VanishedWindowHasEmptyCaption)
{
    const auto w = windows.add(kActClass, QStringLiteral("ACT!"));
    windows.remove(w);
    EXPECT_EQ(GetWindowCaption(w), QString());
    EXPECT_EQ(GetWindowClassName(w), QString());
}

} // namespace
