#pragma once

#include <QFont>

// A font as the window's design names it: a face, a point size (fractions
// allowed) and a weight.
inline QFont designFont(const QString &family, double points, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}
