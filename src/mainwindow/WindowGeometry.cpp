// Acceptance rules of the stored window geometry and splitter ratio.
#include "WindowGeometry.h"

namespace mainwindow {

namespace {

double optionNumber(const OptionReader &getOption, const QString &key)
{
    const QVariant value = getOption(key);
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : -1.0; // no number: out of every range, so the default applies
}

double accepted(double value, double low, double high, double fallback)
{
    return (value >= low && value <= high) ? value : fallback;
}

} // namespace

WindowPlacementTwips RestoredPlacement(const OptionReader &getOption, QSize screenTwips)
{
    const double screenWidth = screenTwips.width();
    const double screenHeight = screenTwips.height();
    WindowPlacementTwips placement;
    placement.left = accepted(optionNumber(getOption, QStringLiteral("WindowLeft")), 0, screenWidth, 0);
    placement.top = accepted(optionNumber(getOption, QStringLiteral("WindowTop")), 0, screenHeight, 0);
    placement.width = accepted(optionNumber(getOption, QStringLiteral("WindowWidth")), 7800, screenWidth, 7800);
    placement.height = accepted(optionNumber(getOption, QStringLiteral("WindowHeight")), 6100, screenHeight, 6100);
    return placement;
}

double RestoredBarRatio(const OptionReader &getOption)
{
    return accepted(optionNumber(getOption, QStringLiteral("BarTop")), 0, 1, 0.5);
}

} // namespace mainwindow
