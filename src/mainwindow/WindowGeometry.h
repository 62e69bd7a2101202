// The rules by which the stored window position, size and splitter ratio are accepted at
// start-up: a value outside its range falls back to its default.
#pragma once

#include <QSize>
#include <QVariant>
#include <functional>

namespace mainwindow {

// Position and size of the main window in twips.
struct WindowPlacementTwips
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

using OptionReader = std::function<QVariant(const QString &key)>;

// Reads "WindowLeft", "WindowTop", "WindowWidth", "WindowHeight" and checks each against the
// screen's extent (twips; both bounds inclusive).
WindowPlacementTwips RestoredPlacement(const OptionReader &getOption, QSize screenTwips);

// Reads "BarTop": a ratio from 0 to 1, else 0.5.
double RestoredBarRatio(const OptionReader &getOption);

// Minimum size of the main window in twips.
constexpr int MinimumWindowWidthTwips = 6100;
constexpr int MinimumWindowHeightTwips = 7800;

} // namespace mainwindow
