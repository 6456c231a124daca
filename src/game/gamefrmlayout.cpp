// The main window's layout: where the controls go on this screen.

#include "buttonex.h"
#include "designfont.h"
#include "gamefrm.h"
#include "gradientpanel.h"
#include "graphicsbas.h"
#include "propertybag.h"
#include "twips.h"
#include "velcprog.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>

namespace {

// A layout rectangle in twips to whole pixels on this screen.
QRect toPixels(const QRectF &twips, platform::TwipsPerPixel tpp)
{
    const auto px = [](double v, double factor) { return int(std::lround(v / factor)); };
    return QRect(px(twips.left(), tpp.x), px(twips.top(), tpp.y), px(twips.width(), tpp.x),
                 px(twips.height(), tpp.y));
}

QFont withPoints(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

} // namespace

void GameFrm::ResizeControls()
{
    const QSize screen = GraphicsBas::GetScreenSize(this);
    ScreenWidthPx = screen.width();
    ScreenHeightPx = screen.height();
    // Laid out for the screen where that fits the room inside the window,
    // else for that room, so that panels and the title bar cut nothing off.
    // Where the window manager gives the window less than it could tell at
    // load, the layout follows once the window is shown (fitToScreen).
    layOutFor(GraphicsBas::GetInsideSize(this));
}

void GameFrm::layOutFor(QSize insidePx)
{
    m_laidOutFor = insidePx;
    m_layout = LayoutForWindow(GraphicsBas::GetScreenSize(this), insidePx,
                               menuBar()->sizeHint().height(), platform::twipsPerPixel());

    // Tiles 1 to 23 are copies of tile 0: its stored values handed over
    // through a property bag, the way a designer copies a control.
    btnPick[0]->setControlFont(withPoints(btnPick[0]->controlFont(), m_layout.btnPickFont));
    platform::PropertyBag design;
    btnPick[0]->writeProperties(design);
    for (int i = 1; i < NumberBoard::TileCount; ++i) {
        if (btnPick[i])
            continue;
        btnPick[i] = createTile(i);
        btnPick[i]->readProperties(design);
        btnPick[i]->show();
    }
    placeControls();
}

void GameFrm::placeControls()
{
    const platform::TwipsPerPixel tpp = platform::twipsPerPixel();
    const GameLayout &l = m_layout;
    const auto sansSerif = QStringLiteral("MS Sans Serif");
    const auto arial = QStringLiteral("Arial");

    Picture4->setGeometry(toPixels(l.Picture4, tpp));
    for (int i = 0; i < NumberBoard::LabelCount; ++i) {
        Label2[i]->setGeometry(toPixels(l.Label2[i], tpp));
        Label2[i]->setFont(designFont(arial, l.label2Font, QFont::Normal));
    }
    Picture3->setGeometry(toPixels(l.Picture3, tpp));
    Picture3->raise(); // the target stays visible over the number panel
    Picture2->setGeometry(toPixels(l.Picture2, tpp));
    lbTarget->setGeometry(toPixels(l.lbTarget, tpp));
    lbTarget->setFont(designFont(arial, l.lbTargetFont, QFont::Normal));

    // Only places: a later layout (the window manager's room) leaves the
    // tiles picked so far hidden.
    for (int i = 0; i < NumberBoard::TileCount; ++i)
        btnPick[i]->setGeometry(toPixels(l.btnPick[i], tpp));

    Command1->setGeometry(toPixels(l.Command1, tpp));
    Command1->setFont(designFont(sansSerif, l.command1Font, QFont::Bold));
    lbinst->setFont(designFont(sansSerif, l.lbinstFont, QFont::Bold));
    // The instructions keep their design box, growing down when this
    // platform's face needs more lines, but never into the tiles.
    QRect instructions = toPixels(l.lbinst, tpp);
    const int room = btnPick[0]->geometry().top() - instructions.top() - 4;
    const int needed = lbinst->heightForWidth(instructions.width());
    if (needed > instructions.height())
        instructions.setHeight(std::max(instructions.height(), std::min(needed, room)));
    lbinst->setGeometry(instructions);
    cmdAnswer->setGeometry(toPixels(l.cmdAnswer, tpp));
    cmdAnswer->setFont(designFont(sansSerif, l.cmdAnswerFont, QFont::Bold));

    fitDial();

    List1->setGeometry(toPixels(l.List1, tpp));
    List1->setFont(designFont(sansSerif, l.list1Font, QFont::Bold));
    // The hints stand where the answers show once they are asked for.
    lbHint->setGeometry(List1->geometry());
    lbHint->setFont(designFont(sansSerif, l.list1Font, QFont::Bold));

    placeStatus();
    placeMatchLine();
}

void GameFrm::placeMatchLine()
{
    // The number panel's room above the chosen numbers and left of the
    // target's frame, which nothing else takes in any state of the game.
    const QRect panel = Picture4->geometry();
    const int margin = std::max(4, Label2[0]->geometry().left() + 4);
    const int right = Picture3->geometry().left() - panel.left() - margin;
    const int bottom = Label2[0]->geometry().top() - margin;
    lbMatch->setGeometry(margin, margin, std::max(0, right - margin), std::max(0, bottom - margin));
    lbMatch->setFont(designFont(QStringLiteral("MS Sans Serif"), m_layout.list1Font, QFont::Bold));
}

void GameFrm::placeStatus()
{
    // The status messages are longer than the label's design width: it has
    // the room up to the dial, as the layout for small screens gives it, and
    // where even that is too narrow the messages wrap and the label grows
    // about its centre, between the number panel and the answers list.
    const GameLayout &l = m_layout;
    QRectF room = l.LBa;
    room.setWidth(std::max(room.width(), l.lbaMaxWidth));
    QRect status = toPixels(room, platform::twipsPerPixel());
    LBa->setFont(designFont(QStringLiteral("MS Sans Serif"), l.lbaFont, QFont::Bold));
    LBa->setWordWrap(true);

    const QFontMetrics metrics(LBa->font());
    int needed = 0;
    for (const QString &longest :
         {searchStoppedStatus(999999, 999), searchFinishedStatus(999999, 999)}) {
        needed = std::max(
            needed,
            metrics.boundingRect(QRect(0, 0, status.width(), 10000), Qt::TextWordWrap, longest)
                .height());
    }
    if (needed > status.height()) {
        const int above = Picture4->geometry().bottom() + 2;
        const int below = List1->geometry().top() - 2;
        const int top = std::max(above, status.center().y() - needed / 2);
        status.setTop(top);
        status.setBottom(std::min(below, top + needed));
    }
    LBa->setGeometry(status);
}

void GameFrm::fitDial()
{
    const platform::TwipsPerPixel tpp = platform::twipsPerPixel();
    if (m_layout.scale != 1.0)
        cp1->setControlFont(withPoints(cp1->controlFont(), m_layout.cp1Font));
    // With AutoSize on, the dial centres and sizes its circle as it takes
    // its new size; then the layout sets the radius itself.
    cp1->setAutoSize(true);
    cp1->setGeometry(toPixels(m_layout.cp1, tpp));
    cp1->xCenter(); // a hidden dial follows its new size only when asked
    cp1->setAutoSize(false);
    cp1->setRadius(m_layout.cp1Radius);
    cp1->show();
}

void GameFrm::fitToScreen()
{
    if (!m_exposed || !screen())
        return; // until the window manager has had its say, the load-time layout stands
    // Maximized, the window has what the window manager or compositor gave
    // it, panels and title bar left out (on Wayland the only measure there
    // is). A window manager that will not keep a fixed-size window maximized
    // leaves it a normal window: that takes the screen's free area less its
    // frame, at the area's corner.
    const bool maximized = isMaximized();
    const QSize inside = maximized ? size() : GraphicsBas::GetInsideSize(this);
    if (inside.isEmpty())
        return;
    if (inside != m_laidOutFor)
        layOutFor(inside);
    // The layout is made for this one size: the window keeps it. On
    // Windows a maximized window is left to the system: held to a fixed
    // size there, at more than 100 % it came out shorter than the room it
    // was given, with a strip along the bottom that nothing painted.
#ifdef Q_OS_WIN
    const bool pinned = !maximized;
#else
    const bool pinned = true;
#endif
    if (!pinned) {
        if (minimumSize() != QSize(0, 0) || maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
    } else if (minimumSize() != inside || maximumSize() != inside) {
        setFixedSize(inside);
    }
    if (!maximized && GraphicsBas::CanPlaceWindows()) {
        const QPoint corner = screen()->availableGeometry().topLeft();
        if (frameGeometry().topLeft() != corner)
            move(corner);
    }
}

void GameFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    QWindow *handle = windowHandle();
    if (!handle || m_watchingWindow)
        return;
    m_watchingWindow = true;
    handle->installEventFilter(this);
    const auto watchScreen = [this](QScreen *where) {
        disconnect(m_screenWatch);
        if (where) {
            m_screenWatch =
                connect(where, &QScreen::availableGeometryChanged, this, &GameFrm::fitToScreen);
        }
        fitToScreen();
    };
    connect(handle, &QWindow::screenChanged, this, watchScreen);
    watchScreen(handle->screen());
}

bool GameFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (pressedWithEnter(watched, event))
        return true;
    // The first exposure comes once the window manager has sized and placed
    // the window.
    if (event->type() == QEvent::Expose && watched == windowHandle() && !m_exposed &&
        windowHandle()->isExposed()) {
        m_exposed = true;
        fitToScreen();
    }
    return QMainWindow::eventFilter(watched, event);
}

void GameFrm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    fitToScreen();
    // A window manager that drops the maximized state may leave the window
    // where it was and only then give it the borders of a normal window
    // (openbox does), which tells the window nothing: fit again once the new
    // frame has come, or the window keeps the maximized size with its
    // borders off the free area.
    QTimer::singleShot(FrameSettleMs, this, &GameFrm::fitToScreen);
}

void GameFrm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager that drops the maximized state redraws the frame
    // (and may move the window) after telling so: fit again.
    fitToScreen();
}
