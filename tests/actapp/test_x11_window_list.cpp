// The X11 window list against real Qt windows on the test display: class written before mapping,
// UTF-8 titles, stacking order, hidden and minimised windows, and bringing a window back.
#include "WaitFor.h"
#include "platform/X11WindowClass.h"
#include "platform/X11WindowList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using platform::WindowId;
using platform::X11WindowList;

namespace {

class X11List : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X display";
    }

    std::unique_ptr<QWidget> makeWindow(const QString &title, const QString &cls = QStringLiteral("act3.0frameclass"))
    {
        auto w = std::make_unique<QWidget>();
        w->setWindowTitle(title);
        w->resize(200, 100);
        w->winId();
        EXPECT_TRUE(platform::setX11WindowClass(w->windowHandle(), QStringLiteral("actserver"), cls));
        return w;
    }

    static WindowId idOf(const QWidget &w) { return static_cast<WindowId>(w.winId()); }

    X11WindowList list;
};

TEST_F(X11List, ShownWindowIsListedWithClassAndUtf8Title)
{
    auto w = makeWindow(QStringLiteral("ACT! - Tätigkeiten DEMO"));
    w->show();
    ASSERT_TRUE(waitFor([&] { return list.windows().contains(idOf(*w)) && list.isVisible(idOf(*w)); }));
    EXPECT_TRUE(list.isWindow(idOf(*w)));
    EXPECT_EQ(list.className(idOf(*w)), QStringLiteral("act3.0frameclass"));
    EXPECT_EQ(list.title(idOf(*w)), QStringLiteral("ACT! - Tätigkeiten DEMO"));
    EXPECT_FALSE(list.isMinimized(idOf(*w)));
}

TEST_F(X11List, HiddenWindowIsNotVisible)
{
    auto w = makeWindow(QStringLiteral("ACT! versteckt"));
    w->show();
    ASSERT_TRUE(waitFor([&] { return list.isVisible(idOf(*w)); }));
    w->hide();
    EXPECT_TRUE(waitFor([&] { return !list.isVisible(idOf(*w)); }));
    EXPECT_TRUE(list.isWindow(idOf(*w)));
}

TEST_F(X11List, TopmostWindowComesFirstAndActivateRaises)
{
    auto first = makeWindow(QStringLiteral("erstes"));
    auto second = makeWindow(QStringLiteral("zweites"));
    first->show();
    ASSERT_TRUE(waitFor([&] { return list.isVisible(idOf(*first)); }));
    second->show();
    ASSERT_TRUE(waitFor([&] { return list.isVisible(idOf(*second)); }));
    auto position = [&](const QWidget &w) { return list.windows().indexOf(idOf(w)); };
    ASSERT_TRUE(waitFor([&] { return position(*second) >= 0 && position(*second) < position(*first); }));

    EXPECT_TRUE(list.activate(idOf(*first)));
    EXPECT_TRUE(waitFor([&] { return position(*first) < position(*second); }));
}

TEST_F(X11List, MinimisedWindowCountsAsVisibleAndRestoreBringsItBack)
{
    auto w = makeWindow(QStringLiteral("ACT! minimiert"));
    w->show();
    ASSERT_TRUE(waitFor([&] { return list.isVisible(idOf(*w)); }));
    w->showMinimized();
    ASSERT_TRUE(waitFor([&] { return list.isMinimized(idOf(*w)); }));
    EXPECT_TRUE(list.isVisible(idOf(*w)));

    // Without a window manager the window never left the screen; restoring clears its iconic state.
    EXPECT_TRUE(list.restore(idOf(*w)));
    EXPECT_TRUE(waitFor([&] { return !list.isMinimized(idOf(*w)); }));
    EXPECT_TRUE(list.isVisible(idOf(*w)));
}

TEST_F(X11List, DestroyedWindowIsGone)
{
    auto w = makeWindow(QStringLiteral("kurzlebig"));
    w->show();
    ASSERT_TRUE(waitFor([&] { return list.isVisible(idOf(*w)); }));
    const WindowId id = idOf(*w);
    w.reset();
    EXPECT_TRUE(waitFor([&] { return !list.isWindow(id); }));
    EXPECT_FALSE(list.windows().contains(id));
    EXPECT_EQ(list.title(id), QString());
}

TEST(X11ListWithoutDisplay, IsEmpty)
{
    X11WindowList none(QByteArrayLiteral(":4711"));
    EXPECT_TRUE(none.windows().isEmpty());
    EXPECT_FALSE(none.isWindow(0x200001));
    EXPECT_FALSE(none.isVisible(0x200001));
    EXPECT_FALSE(none.restore(0x200001));
}

} // namespace
