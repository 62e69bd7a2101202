// The toolbar's images, drawn at run time: one glyph per button key, in a normal, a disabled
// (grey) and a hot (lighter, under the mouse) version.
#pragma once

#include <QIcon>
#include <QString>

namespace mainwindow {

// The icon of a toolbar button key (btnNew ... btnACTGruppen); an empty icon for other keys.
QIcon ToolbarIcon(const QString &key);

} // namespace mainwindow
