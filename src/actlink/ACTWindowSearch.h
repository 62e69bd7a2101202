// Finding the main window of a running ACT! among the desktop's top-level windows (the window
// search of modACTHandle), over the platform window list.
#pragma once

#include "platform/WindowList.h"

#include <QString>

namespace actlink {

// The window whose lower-case class contains classFragment and whose title (first 50 characters
// after leading blanks, "NoText" when empty) contains titleFragment, or any title for "*". Hidden
// windows are skipped; of several matches the last one in enumeration order (the lowest) wins.
// 0 when none matches.
platform::WindowId FindACTWindow(const QString &classFragment, const QString &titleFragment);

// The enumeration callback: notes the window when it matches the current search; always 1, so
// the enumeration runs over every window.
int EnumACTWindowProc(platform::WindowId window, long parameter);

// The title as the search compares it: "" for no window, "NoText" for an empty title, else at most
// 50 characters after the leading blanks.
QString GetWindowCaption(platform::WindowId window);

// The window class in lower case (at most 255 characters).
QString GetWindowClassName(platform::WindowId window);

} // namespace actlink
