#pragma once

#include "twips.h"

#include <QRectF>
#include <QSize>

#include <array>

// Where every control of the main window goes, worked out from the screen
// size alone, in twips. Positions of contained controls are relative to their
// container (Picture2 in Picture3, lbTarget in Picture2, the labels in
// Picture4); everything else is relative to the window's client area.
// Screens 800 and 1024 pixels wide get their own fixed rules; every other
// size gets the 1024 rules scaled to the screen.
struct GameLayout
{
    QRectF Picture3;              // the target panel, drawn above Picture4
    QRectF Picture2;              // black frame inside Picture3
    QRectF lbTarget;              // inside Picture2
    QRectF Picture4;              // the number panel
    std::array<QRectF, 6> Label2; // inside Picture4
    std::array<QRectF, 24> btnPick;
    QRectF Command1;
    QRectF lbinst;
    QRectF cmdAnswer;
    QRectF LBa;
    double lbaMaxWidth = 0; // room for LBa's text before the dial
    QRectF List1;
    QRectF cp1;
    int cp1Radius = 0; // pixels

    // Point sizes.
    double lbTargetFont = 120;
    double label2Font = 72;
    double btnPickFont = 8.25;
    double command1Font = 24;
    double cmdAnswerFont = 18;
    double lbinstFont = 18;
    double lbaFont = 12;
    double list1Font = 18;
    double cp1Font = 72;

    double scale = 1.0; // 1 on 800- and 1024-pixel screens
};

enum class LayoutRules {
    ForScreen, // the fixed rules of 800- and 1024-pixel screens, else scaled
    Scaled,    // the 1024 rules scaled to the size, whatever it is
};

// The layout for a screen of `screenPx` pixels with the given twips-per-pixel
// factors.
GameLayout ResizeControlsLayout(QSize screenPx, platform::TwipsPerPixel tpp,
                                LayoutRules rules = LayoutRules::ForScreen);

// The layout for a window on that screen whose inside is `insidePx` pixels,
// `menuBarPx` of them taken by the menu bar: the screen's own layout where it
// fits (on a bare screen it always does), else the 1024 rules scaled to the
// window's inside, so that panels and title bars cut nothing off.
GameLayout LayoutForWindow(QSize screenPx, QSize insidePx, int menuBarPx,
                           platform::TwipsPerPixel tpp);
