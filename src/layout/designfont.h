#pragma once

#include "fonts.h"

#include <QFont>

// A font as the window's design names it: a face, a point size (fractions
// allowed) and a weight. A face this system lacks is asked for by the name of
// its installed stand-in.
inline QFont designFont(const QString &family, double points, QFont::Weight weight = QFont::Normal)
{
    QFont font(platform::installedFamily(family));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}
