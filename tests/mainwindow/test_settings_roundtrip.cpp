// Geometry and splitter ratio through the real program settings: what shut-down writes, the next
// start-up reads back to the same window.
#include "MainWindowFixture.h"

#include "project/ProgramSettings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

using namespace mainwindow;

class SettingsRoundTrip : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("Datolux.ini"));
        project::setOptionsFile(m_file);
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        project::setOptionsFile(QString());
    }

    frmHaupt &loadWithSystemSettings()
    {
        MainWindowEnvironment env = MainWindowEnvironment::system();
        env.screenSizeTwips = [this] { return screenTwips; };
        window = std::make_unique<frmHaupt>(env);
        window->Form_Load();
        window->show();
        QApplication::processEvents();
        return *window;
    }

    QString stored(const char *key) const
    {
        QSettings settings(m_file, QSettings::IniFormat);
        return settings.value(QStringLiteral("Options/") + QLatin1String(key)).toString();
    }

    QTemporaryDir m_dir;
    QString m_file;
};

TEST_F(SettingsRoundTrip, AFirstStartUsesTheDefaultsAndWritesTwipsAndAGermanRatio)
{
    frmHaupt &first = loadWithSystemSettings();
    EXPECT_EQ(first.pos(), QPoint(0, 0));
    EXPECT_EQ(first.width(), 7800 / TwipsPerPixel);
    first.move(40, 60);
    first.resize(900, 640);
    QApplication::processEvents();
    dragBarTo(200);
    const double ratio = first.BarRatio();
    closeWindow();

    EXPECT_EQ(stored("WindowLeft"), QStringLiteral("600"));
    EXPECT_EQ(stored("WindowTop"), QStringLiteral("900"));
    EXPECT_EQ(stored("WindowWidth"), QStringLiteral("13500"));
    EXPECT_EQ(stored("WindowHeight"), QStringLiteral("9600"));
    EXPECT_TRUE(stored("BarTop").startsWith(QStringLiteral("0,"))) << stored("BarTop").toStdString();

    window.reset();
    modHaupt::Projekt = std::make_unique<project::clProjekt>();
    frmHaupt &second = loadWithSystemSettings();
    EXPECT_EQ(second.pos(), QPoint(40, 60));
    EXPECT_EQ(second.size(), QSize(900, 640));
    EXPECT_NEAR(second.BarRatio(), ratio, 0.00001);
    EXPECT_EQ(bar()->y(), 200);
}
