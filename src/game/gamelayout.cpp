#include "gamelayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The window's design values that the layout keeps, in twips and points.
// Positions of contained controls are relative to their container.
struct GameDesign
{
    QRectF picture3{0, 100, 5070, 3150}; // its left is computed from the number panel
    QRectF picture2{195, 165, 4620, 2730};
    QRectF lbTarget{390, 30, 3780, 2670};
    double lbTargetFont = 120;

    double label2Font = 72;
    double label2Height800 = 1290;
    double label2Font800 = 55;
    double label2Height1024 = 1605;

    double btnPickLeft = 345;
    double btnPickWidth = 960;
    double btnPickHeight = 1065;
    double btnPickFont = 8.25;
    double btnPickShrink800 = 0.7;

    double command1Font = 24;
    QSizeF cmdAnswer{3645, 645};
    double cmdAnswerFont = 18;
    QSizeF lbinst{8130, 1455};
    double lbinstFont = 18;
    double lbinstFont800 = 12;
    QSizeF lba{375, 600};
    double lbaFont = 12;
    double lbaFont800 = 10;
    double list1Font = 18;
    double list1Font800 = 14;

    double cp1Left = 6540; // the dial's design left, which the 800 rules measure against
    double cp1Font = 72;

    // The screen the fixed 1024 rules were made for; other sizes scale from it.
    QSizeF referenceScreen{1024, 768};
};

constexpr GameDesign Design{};

enum class ScreenRules { Width800, Width1024, Scaled };

// Halves go to the even neighbour, as every rounding in the program does.
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// The room the controls take, from the client area's corner, in twips.
QSizeF extent(const GameLayout &l)
{
    QRectF lba = l.LBa;
    lba.setWidth(std::max(lba.width(), l.lbaMaxWidth));
    QRectF all =
        l.Picture4 | l.Picture3 | l.Command1 | l.lbinst | l.cmdAnswer | lba | l.List1 | l.cp1;
    for (const QRectF &tile : l.btnPick)
        all |= tile;
    return {all.right(), all.bottom()};
}

} // namespace

GameLayout ResizeControlsLayout(QSize screenPx, platform::TwipsPerPixel tpp, LayoutRules choice)
{
    const ScreenRules rules = choice == LayoutRules::Scaled ? ScreenRules::Scaled
                              : screenPx.width() == 800     ? ScreenRules::Width800
                              : screenPx.width() == 1024    ? ScreenRules::Width1024
                                                            : ScreenRules::Scaled;
    const double sw = screenPx.width() * tpp.x;
    const double sh = screenPx.height() * tpp.y;

    GameLayout l;
    double s = 1.0;
    if (rules == ScreenRules::Scaled) {
        s = std::min(screenPx.width() / Design.referenceScreen.width(),
                     screenPx.height() / Design.referenceScreen.height());
    }
    l.scale = s;
    const auto scaled = [s](const QRectF &r) {
        return QRectF(r.left() * s, r.top() * s, r.width() * s, r.height() * s);
    };

    // The target panel and what it holds keep their design geometry (scaled
    // on other screens); only the panel's left is placed below.
    l.Picture3 =
        QRectF(0, Design.picture3.top(), Design.picture3.width() * s, Design.picture3.height() * s);
    l.Picture2 = scaled(Design.picture2);
    l.lbTarget = scaled(Design.lbTarget);
    l.lbTargetFont = Design.lbTargetFont * s;

    // The number labels start just above the target panel's bottom edge.
    const double labelTop = l.Picture3.top() + l.Picture3.height() - 100;
    double labelHeight = Design.label2Height1024 * s;
    l.label2Font = Design.label2Font * s;
    if (rules == ScreenRules::Width800) {
        labelHeight = Design.label2Height800;
        l.label2Font = Design.label2Font800;
    }

    l.Picture4 = QRectF(100, 200, sw - 200, labelHeight + labelTop + 60);
    const double labelWidth = (sw - 430) / 6;
    for (int i = 0; i < 6; ++i)
        l.Label2[i] = QRectF((labelWidth + 30) * i + 30, labelTop, labelWidth, labelHeight);

    l.Picture3.moveLeft((l.Picture4.width() - l.Picture3.width()) / 2);
    l.Picture3.moveTop(l.Picture4.top() / 2);

    double tileWidth = Design.btnPickWidth * s;
    double tileHeight = Design.btnPickHeight * s;
    l.btnPickFont = Design.btnPickFont * s;
    l.command1Font = Design.command1Font * s;
    l.cmdAnswerFont = Design.cmdAnswerFont * s;
    l.lbinstFont = Design.lbinstFont * s;
    l.lbaFont = Design.lbaFont * s;
    l.list1Font = Design.list1Font * s;
    l.cp1Font = Design.cp1Font * s;

    // The status line and the instructions both start at the tile block's
    // left; the status label follows the answer button.
    const QSizeF cmdAnswerSize = Design.cmdAnswer * s;
    const double lbinstLeft = Design.btnPickLeft;
    const double lbaLeft = lbinstLeft + cmdAnswerSize.width() + 60;
    QSizeF lbinstSize = Design.lbinst * s;
    QSizeF lbaSize = Design.lba * s;
    if (rules == ScreenRules::Width800) {
        tileWidth *= Design.btnPickShrink800;
        tileHeight *= Design.btnPickShrink800;
        l.lbinstFont = Design.lbinstFont800;
        lbinstSize.setWidth(Design.cp1Left - lbinstLeft - 100);
        l.lbaFont = Design.lbaFont800;
        lbaSize.setWidth(Design.cp1Left - lbaLeft - 100);
        l.list1Font = Design.list1Font800;
    }

    // Three tile rows ending 800 above the screen's bottom edge; the third
    // row holds only columns 0 to 3.
    const double tileTop = sh - (3 * tileHeight + 800);
    l.btnPick[0] = QRectF(Design.btnPickLeft, tileTop, tileWidth, tileHeight);
    for (int i = 1; i < 24; ++i) {
        QRectF &tile = l.btnPick[i];
        tile.setSize(QSizeF(tileWidth, tileHeight));
        if (i < 10) {
            tile.moveLeft(l.btnPick[i - 1].left() + l.btnPick[i - 1].width() + 30);
            tile.moveTop(tileTop);
        } else if (i < 20) {
            tile.moveLeft(l.btnPick[i - 10].left());
            tile.moveTop(tileHeight + tileTop + 30);
        } else {
            tile.moveLeft(l.btnPick[i - 10].left());
            tile.moveTop(tileHeight + l.btnPick[i - 10].top() + 30);
        }
    }

    // The game button fills the rest of the third row.
    const QRectF &tile23 = l.btnPick[23];
    const QRectF &tile19 = l.btnPick[19];
    const double command1Left = tile23.left() + tile23.width() + 300;
    l.Command1 = QRectF(command1Left, tile23.top(), tile19.left() + tile19.width() - command1Left,
                        tile23.height());

    const double underPanel = l.Picture4.top() + l.Picture4.height();
    l.lbinst = QRectF(QPointF(lbinstLeft, underPanel + 200), lbinstSize);
    l.cmdAnswer = QRectF(l.lbinst.topLeft(), cmdAnswerSize);
    l.LBa =
        QRectF(QPointF(lbaLeft, l.cmdAnswer.top() + (l.cmdAnswer.height() - lbaSize.height()) / 2),
               lbaSize);

    // The dial fills the room right of the game button and under the number
    // panel, 100 from the screen's right edge.
    const double dialHeight = l.Command1.top() + l.Command1.height() - underPanel;
    const double dialWidth =
        l.Picture4.left() + l.Picture4.width() - (l.Command1.left() + l.Command1.width()) - 100;
    l.cp1 = QRectF(sw - dialWidth - 100, underPanel, dialWidth, dialHeight);
    // The smaller side is measured in pixels of the other axis; on square
    // pixels the two agree.
    const double sidePx = dialWidth < dialHeight ? dialWidth / tpp.y : dialHeight / tpp.x;
    l.cp1Radius = roundHalfEven((sidePx - 20) / 2);

    l.lbaMaxWidth = l.cp1.left() - l.LBa.left() - 100;

    const double listTop = l.cmdAnswer.top() + l.cmdAnswer.height() + 100;
    l.List1 = QRectF(l.cmdAnswer.left(), listTop, l.cp1.left() - l.cmdAnswer.left() - 200,
                     l.Command1.top() - listTop - 50);
    return l;
}

GameLayout LayoutForWindow(QSize screenPx, QSize insidePx, int menuBarPx,
                           platform::TwipsPerPixel tpp)
{
    const GameLayout forScreen = ResizeControlsLayout(screenPx, tpp);
    const QSizeF taken = extent(forScreen);
    const QSizeF room(insidePx.width() * tpp.x, (insidePx.height() - menuBarPx) * tpp.y);
    if (taken.width() <= room.width() && taken.height() <= room.height())
        return forScreen;
    return ResizeControlsLayout(insidePx, tpp, LayoutRules::Scaled);
}
