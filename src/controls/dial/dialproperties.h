#pragma once

#include "colour.h"

#include <QtGlobal>

// Everything a dial draws from, as a plain value: the control's own stored
// properties (a new dial's values below), the colours it hands its surface
// (kept as set, system colours unresolved, because a redraw compares them),
// and the resolved gradient colours derived from them.
struct DialProperties
{
    qint32 min = 0;
    qint32 max = 100;
    qint32 value = 50;
    qint32 offsetAngle = 0;
    qint32 span = 360;
    bool clockwise = true;

    // Pixels; a new dial leaves them to its first resize.
    qint32 xCenter = 0;
    qint32 yCenter = 0;
    qint32 radius = 0;
    bool autoSize = true;

    bool showBorder = true;
    qint16 borderWidth = 1;
    platform::OleColour borderColor = 0x00000000;

    bool showArc = true;
    bool showZeroLine = false;
    bool showCircle = true;
    platform::OleColour circleColor = platform::SystemColour::ButtonFace;
    bool showNeedle = false;
    platform::OleColour needleColor = platform::SystemColour::ButtonText;

    bool gradient = true;
    bool fade = false;
    bool tricolor = true;
    platform::OleColour startColor = 0x000000C0;
    platform::OleColour midColor = 0x0000FFFF;
    platform::OleColour endColor = 0x0000C000;

    platform::OleColour backColor = platform::SystemColour::ButtonFace;
    platform::OleColour maskColor = platform::SystemColour::ButtonFace;

    qint32 tickStyle = 0;
    qint32 tickPosition = 0;
    float tickFrequency = 10.0f;
    qint16 tickSize = 4;
    qint16 tickWidth = 1;
    platform::OleColour tickColor = 0x00000000;

    bool showValue = false;
    bool showValueAsPercent = false;
    platform::OleColour textColor = 0x00FFFFFF;
    qint32 textOffsetX = 0;
    qint32 textOffsetY = 0;
    bool textShadow = false;
    platform::OleColour textShadowColor = 0x00808080;
    qint16 textShadowXOffset = 1;
    qint16 textShadowYOffset = 1;

    bool autoMask = false;

    // Derived: the gradient colours as plain RGB, refreshed when their source
    // is set, after a load and on request (the system colours may change).
    platform::OleColour resolvedStartColor = 0x000000C0;
    platform::OleColour resolvedMidColor = 0x0000FFFF;
    platform::OleColour resolvedEndColor = 0x0000C000;
};
