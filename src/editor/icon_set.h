// The editor's command icons: SVG artwork drawn on a 32 px grid in a neutral colour and one
// accent colour, rendered at any size. The neutral colour follows the palette, so the same
// files read on the dark palette and on a light one.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QString>

namespace korvane {

// The accent colour of every icon.
inline constexpr QRgb kIconAccent = 0xF08C2E;

// The icon `name` (a file of resources/icons/ without ".svg") for widgets of `palette`; a null
// icon when there is no such file. Disabled, it is drawn faded.
QIcon CommandIcon(const QString &name, const QPalette &palette);
// The neutral colour that the icons are drawn in on `palette`.
QColor IconNeutralColour(const QPalette &palette);

} // namespace korvane
