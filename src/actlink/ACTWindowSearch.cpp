// Window search over the platform window list; one search at a time, as the module state says.
#include "ACTWindowSearch.h"

namespace actlink {

namespace {

// The state of the running search, kept until the next one starts.
QString SearchClassName;
QString SearchWindowTitle;
platform::WindowId FoundACTWindow = 0;

// The class buffer holds 256 characters, the closing NUL included.
constexpr int kClassBufferChars = 255;
constexpr int kCaptionChars = 50;

} // namespace

platform::WindowId FindACTWindow(const QString &classFragment, const QString &titleFragment)
{
    SearchClassName = classFragment;
    SearchWindowTitle = titleFragment;
    FoundACTWindow = 0;
    for (platform::WindowId window : platform::windowList().windows()) {
        if (EnumACTWindowProc(window, 0) == 0)
            break;
    }
    return FoundACTWindow;
}

int EnumACTWindowProc(platform::WindowId window, long parameter)
{
    Q_UNUSED(parameter);
    if (!platform::windowList().isVisible(window))
        return 1;
    if (!GetWindowClassName(window).contains(SearchClassName))
        return 1;
    const QString caption = GetWindowCaption(window);
    if (SearchWindowTitle == QLatin1String("*") || caption.contains(SearchWindowTitle))
        FoundACTWindow = window;
    return 1;
}

QString GetWindowCaption(platform::WindowId window)
{
    platform::WindowList &list = platform::windowList();
    if (!list.isWindow(window))
        return QString();
    const QString title = list.title(window);
    if (title.isEmpty())
        return QStringLiteral("NoText");
    // The title sits in a buffer padded with NULs, so trimming blanks only takes the leading ones.
    int start = 0;
    while (start < title.size() && title.at(start) == QLatin1Char(' '))
        ++start;
    QString caption = title.mid(start, kCaptionChars);
    const int nul = caption.indexOf(QChar(0));
    if (nul >= 0)
        caption.truncate(nul);
    return caption;
}

QString GetWindowClassName(platform::WindowId window)
{
    return platform::windowList().className(window).left(kClassBufferChars).toLower();
}

} // namespace actlink
