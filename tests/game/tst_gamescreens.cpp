// The main window laid out on a real (offscreen) screen of the size named in
// TALLYFOLD_TEST_SCREEN: the figures in pixels on the two screens with fixed
// rules, and on every size that the controls shown together stay apart and
// inside the window, that their texts fit, and that the gradients show.

#include "buttonex.h"
#include "gamefrm.h"
#include "gamewindowholder.h"
#include "globalbas.h"
#include "gradientpanel.h"
#include "graphicsbas.h"
#include "settingssandbox.h"
#include "settingsstore.h"
#include "targetlabel.h"
#include "testscreen.h"
#include "velcprog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <optional>
#include <span>

namespace {

QSize g_screen(1024, 768);

struct Named
{
    QString name;
    const QWidget *widget;
};

QString describe(const QRect &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect inWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// Every pair of the given controls whose boxes share a pixel, except the
// excused pairs ("a/b", in list order).
QStringList overlappingPairs(const QList<Named> &controls, const QStringList &excused)
{
    QStringList found;
    for (qsizetype a = 0; a < controls.size(); ++a) {
        for (qsizetype b = a + 1; b < controls.size(); ++b) {
            const QString pair = controls[a].name + "/" + controls[b].name;
            const QRect ra = inWindow(controls[a].widget);
            const QRect rb = inWindow(controls[b].widget);
            if (!excused.contains(pair) && ra.intersects(rb))
                found << pair + " " + describe(ra) + " " + describe(rb);
        }
    }
    return found;
}

// Controls that are hidden, or that reach outside the central widget.
QStringList misplaced(const QList<Named> &controls, const QWidget *central)
{
    QStringList found;
    for (const Named &c : controls) {
        if (!c.widget->isVisible()) {
            found << c.name + " hidden";
            continue;
        }
        const QRect r(c.widget->mapTo(central, QPoint(0, 0)), c.widget->size());
        if (r.isEmpty() || !central->rect().contains(r))
            found << c.name + " " + describe(r) + " outside " + describe(central->rect());
    }
    return found;
}

int channelDistance(const QColor &a, const QColor &b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// A panel's pixel at `at`, read from an image of the whole window, against
// its banded gradient: bands of height/256 pixels rising from the bottom,
// each 1/256 of the way from the start colour to the end colour, and the end
// colour above the last band. Empty when they agree.
QString checkPanelPixel(const QImage &image, const QWidget *panel, QPoint at, const QColor &end,
                        const QColor &start)
{
    const int band = int(std::nearbyint(panel->height() / 256.0));
    const int fromBottom = panel->height() - 1 - at.y();
    const double t = band > 0 ? std::min(256, fromBottom / band) / 256.0 : 1.0;
    const auto mix = [t](int e, int s) { return int(std::lround(s + (e - s) * t)); };
    const QColor expected(mix(end.red(), start.red()), mix(end.green(), start.green()),
                          mix(end.blue(), start.blue()));
    const QColor seen = image.pixelColor(panel->mapTo(panel->window(), at));
    if (channelDistance(seen, expected) <= 2)
        return {};
    return QStringLiteral("%1 at (%2,%3) is %4, not %5")
        .arg(panel->objectName())
        .arg(at.x())
        .arg(at.y())
        .arg(seen.name(), expected.name());
}

// The box of the pixels in which two images of one size differ.
QRect differing(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Where `label` inks `text`, read from grabs of the label as the window
// draws it, with the text and without: in the label's coordinates.
QRect inkOf(QLabel *label, const QString &text)
{
    const QString shown = label->text();
    label->setText(QString());
    const QImage blank = label->grab().toImage();
    label->setText(text);
    const QImage drawn = label->grab().toImage();
    label->setText(shown);
    return differing(blank, drawn);
}

// The ink of `text` drawn in `font` with room to spare all round: the
// proportions of the whole number.
QSize wholeInk(const QString &text, const QFont &font)
{
    QImage blank(QSize(2400, 1200), QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage drawn = blank;
    QPainter painter(&drawn);
    painter.setFont(font);
    painter.drawText(drawn.rect(), Qt::AlignCenter, text);
    painter.end();
    return differing(blank, drawn).size();
}

} // namespace

class TestGameScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void figuresInPixels();
    void pickingControlsStayApart();
    void textsFitTheirControls();
    void gradientsAreOnScreen();
    void afterAGameControlsStayApart();
    void layingOutForTheRoomGotKeepsTheBoard();

private:
    void checkFixedFigures(const GameFrm &window);
    void checkTarget(const GameFrm &window);
    void checkGradients(const QImage &image, const GameFrm &window);

    std::optional<SettingsSandbox> m_settings;
    GameSettings m_game;
};

// The window keeps the size it was laid out for: held to it, or on Windows,
// maximized, held there by the system (a fixed size would make it fall
// short of its room at more than 100 %).
static bool keptAtItsSize(const QWidget &window)
{
#ifdef Q_OS_WIN
    if (window.isMaximized())
        return window.minimumSize().isNull() &&
               window.maximumSize() == QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
#endif
    return window.minimumSize() == window.size() && window.maximumSize() == window.size();
}

void TestGameScreens::init()
{
    m_settings.emplace(SettingsSandbox::Values::Loaded);
    // A fast clock and no music: a whole game takes well under a second.
    m_game.timerInterval = 10;
    m_game.noSounds = true;
}

void TestGameScreens::cleanup()
{
    m_settings.reset();
}

void TestGameScreens::figuresInPixels()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->size(), g_screen);
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    QCOMPARE(window->controls().ScreenWidthPx, g_screen.width());
    QCOMPARE(window->controls().ScreenHeightPx, g_screen.height());
    // The window, frame and all, takes the screen's room (the offscreen
    // platform draws a 2-pixel frame), and keeps its size.
    QCOMPARE(window->frameGeometry().size(), screen->availableGeometry().size());
    QVERIFY(keptAtItsSize(*window));

    // On any screen the dial's radius is fitted to its smaller side.
    const QSize dial = window->controls().cp1->size();
    const double fitted = (std::min(dial.width(), dial.height()) - 20) / 2.0;
    QVERIFY2(std::abs(window->controls().cp1->radius() - fitted) <= 1.0,
             qPrintable(QString::number(window->controls().cp1->radius()) + " in " +
                        describe(window->controls().cp1->geometry())));

    if (g_screen.width() == 800 || g_screen.width() == 1024)
        checkFixedFigures(*window);
}

// 15 twips a pixel; every left, top, width and height is rounded on its own.
void TestGameScreens::checkFixedFigures(const GameFrm &window)
{
    const bool small = g_screen.width() == 800;
    const QWidget *central = window.centralWidget();
    QCOMPARE(window.controls().Picture4->geometry(),
             small ? QRect(7, 13, 787, 300) : QRect(7, 13, 1011, 321));
    QCOMPARE(window.controls().Picture3->geometry(),
             small ? QRect(224, 7, 338, 210) : QRect(336, 7, 338, 210));

    // Labels 1290 twips high at 800 and 1605 at 1024, (SW - 430) / 6 wide,
    // 1958.33 (800) or 2518.33 (1024) apart from 30.
    const QList<int> lefts =
        small ? QList<int>{2, 133, 263, 394, 524, 655} : QList<int>{2, 170, 338, 506, 674, 841};
    for (int i = 0; i < 6; ++i) {
        const QLabel *label = window.controls().Label2[i];
        QCOMPARE(label->parentWidget(), window.controls().Picture4);
        QCOMPARE(label->geometry(), QRect(lefts.at(i), 210, small ? 129 : 166, small ? 86 : 107));
        QCOMPARE(label->font().pointSizeF(), small ? 55.0 : 72.0);
    }

    // Tiles 672 x 745.5 twips at 800, 960 x 1065 at 1024; tile 0 at 5963.5 or
    // 7525 down the client area, 345 across.
    QCOMPARE(window.controls().btnPick[0]->parentWidget(), central);
    QCOMPARE(window.controls().btnPick[0]->geometry(),
             small ? QRect(23, 398, 45, 50) : QRect(23, 502, 64, 71));
    QCOMPARE(window.controls().btnPick[9]->pos(), small ? QPoint(444, 398) : QPoint(617, 502));
    QCOMPARE(window.controls().btnPick[10]->pos(), small ? QPoint(23, 449) : QPoint(23, 575));
    QCOMPARE(window.controls().btnPick[23]->pos(), small ? QPoint(163, 501) : QPoint(221, 648));
    QCOMPARE(window.controls().Command1->geometry(),
             small ? QRect(228, 501, 261, 50) : QRect(305, 648, 376, 71));

    // The dial: 4465 x 3560 twips at 7435, 4700 (800); 4945 x 5765 at
    // 10315, 5015 (1024); the radius from the smaller side.
    QCOMPARE(window.controls().cp1->geometry(),
             small ? QRect(496, 313, 298, 237) : QRect(688, 334, 330, 384));
    QCOMPARE(window.controls().cp1->radius(), small ? 109 : 155);

    QCOMPARE(window.controls().List1->font().pointSizeF(), small ? 14.0 : 18.0);
    QCOMPARE(window.controls().lbinst->font().pointSizeF(), small ? 12.0 : 18.0);
    QCOMPARE(window.controls().LBa->font().pointSizeF(), small ? 10.0 : 12.0);
}

void TestGameScreens::pickingControlsStayApart()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    QList<Named> shown{{"Picture3", window->controls().Picture3},
                       {"Picture4", window->controls().Picture4},
                       {"lbinst", window->controls().lbinst}};
    for (int i = 0; i < 24; ++i)
        shown.append({QStringLiteral("btnPick%1").arg(i), window->controls().btnPick[i]});
    shown.append({{"Command1", window->controls().Command1}, {"cp1", window->controls().cp1}});

    // The target panel is meant to lie over the top of the number panel.
    QStringList excused{"Picture3/Picture4"};
    if (g_screen.width() == 800) {
        // The fixed 800 rules give the instructions a 1455-twip box starting
        // 4900 down, while the first tile row starts at 5963.5: the box, not
        // its three lines of text, reaches into that row.
        for (int i = 0; i < 10; ++i)
            excused << QStringLiteral("lbinst/btnPick%1").arg(i);
    }
    QStringList problems = overlappingPairs(shown, excused);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    problems = misplaced(shown, window->centralWidget());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QVERIFY(!window->controls().cmdAnswer->isVisible());
    QVERIFY(!window->controls().List1->isVisible());
    QVERIFY(!window->controls().LBa->isVisible());
    checkTarget(*window);
}

// The target panel hides no number (not even touching a label) and holds
// its frame, which holds the target.
void TestGameScreens::checkTarget(const GameFrm &window)
{
    const QRect panel = inWindow(window.controls().Picture3);
    for (const QLabel *label : window.controls().Label2) {
        QVERIFY2(!panel.adjusted(-1, -1, 1, 1).intersects(inWindow(label)),
                 qPrintable(label->objectName() + " " + describe(inWindow(label)) +
                            " touches Picture3 " + describe(panel)));
    }
    const QList<Named> inside{{"Picture2", window.controls().Picture2},
                              {"lbTarget", window.controls().lbTarget},
                              {"Label2_0", window.controls().Label2[0]},
                              {"Label2_5", window.controls().Label2[5]}};
    const QStringList problems = misplaced(inside, window.centralWidget());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QVERIFY(panel.contains(inWindow(window.controls().Picture2)));
    QVERIFY(inWindow(window.controls().Picture2).contains(inWindow(window.controls().lbTarget)));
}

void TestGameScreens::textsFitTheirControls()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    QStringList tooBig;
    const auto check = [&tooBig](bool fits, const QString &what, const QWidget *control) {
        if (!fits)
            tooBig << what + " in " + control->objectName() + " " +
                          describe(control->contentsRect());
    };

    const QLabel *inst = window->controls().lbinst;
    const int needed = inst->heightForWidth(inst->width());
    check(needed <= inst->height(), QStringLiteral("instructions %1 px high").arg(needed), inst);

    for (const QLabel *label : window->controls().Label2) {
        const int advance = QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("100"));
        check(advance <= label->contentsRect().width(),
              QStringLiteral("\"100\" %1 px").arg(advance), label);
    }

    // The widest target is wider by its advance than its label, and targets
    // of five digits can come from the settings: the label shrinks them to
    // fit. What it draws must be the whole number: the grab ends at the
    // label's edges, and a number cut at the sides is narrower for its height
    // than its digits are (a few pixels are hinting at another size); its
    // height is whole while background stays above and below it.
    QLabel *target = window->controls().lbTarget;
    const QRect box = target->contentsRect();
    for (const QString &number : {QStringLiteral("999"), QStringLiteral("32767")}) {
        const QRect ink = inkOf(target, number);
        const QSize whole = wholeInk(number, target->font());
        const int width = int(ink.height() * double(whole.width()) / std::max(1, whole.height()));
        check(!ink.isEmpty() && box.adjusted(0, 1, 0, -1).contains(ink) && ink.width() >= width - 2,
              QStringLiteral("\"%1\" inking %2, %3 px wide when whole")
                  .arg(number, describe(ink))
                  .arg(width),
              target);
    }
    // The design face itself where the design fits it.
    if (window->controls().ScreenWidthPx == 1024 || window->controls().ScreenWidthPx == 800)
        QCOMPARE(TargetLabel::fittedFont(target->font(), "999", box.size()), target->font());

    // The status label's longest messages, with six-digit counts, wrapped
    // where the label is narrow.
    const QLabel *lba = window->controls().LBa;
    const QFontMetrics status(lba->font());
    for (const QString &text : {QStringLiteral("Search Stopped at combination 123456\n"
                                               "123 answers found."),
                                QStringLiteral("Searched 210492 combinations: \n"
                                               "123 answers found.")}) {
        const QRect needed = status.boundingRect(QRect(QPoint(0, 0), lba->contentsRect().size()),
                                                 Qt::TextWordWrap, text);
        check(lba->wordWrap() || needed.width() <= lba->contentsRect().width(),
              QStringLiteral("\"%1\" %2 px wide").arg(text).arg(needed.width()), lba);
        check(needed.height() <= lba->contentsRect().height(),
              QStringLiteral("\"%1\" %2 px high at %3 pt")
                  .arg(text)
                  .arg(needed.height())
                  .arg(lba->font().pointSizeF()),
              lba);
    }
    QVERIFY2(tooBig.isEmpty(), qPrintable(tooBig.join("; ")));
}

// The window's background, measured over the whole window, shows peach at
// the bottom of the client area and light blue at its top; the number panel
// runs from brown up to peach, the target panel from peach up to orange.
void TestGameScreens::checkGradients(const QImage &image, const GameFrm &window)
{
    const QColor peach(255, 224, 192);
    const QColor lightBlue(192, 192, 255);
    const QColor brown(128, 64, 0);
    const QColor orange(255, 128, 0);

    // Left of the number panel and of the tiles, where only the background is.
    const QWidget *central = window.centralWidget();
    const QColor bottom =
        image.pixelColor(central->mapTo(&window, QPoint(2, central->height() - 2)));
    const QColor top = image.pixelColor(central->mapTo(&window, QPoint(2, 2)));
    QVERIFY2(channelDistance(bottom, peach) <= 8, qPrintable(bottom.name()));
    QVERIFY2(channelDistance(top, lightBlue) <= 8, qPrintable(top.name()));

    // Points of the panels that no child covers: the number panel's left and
    // bottom margins, the target panel's corners outside its frame.
    const GradientPanel *numbers = window.controls().Picture4;
    const GradientPanel *target = window.controls().Picture3;
    QStringList problems{
        checkPanelPixel(image, numbers, QPoint(1, numbers->height() - 1), peach, brown),
        checkPanelPixel(image, numbers, QPoint(numbers->width() / 2, numbers->height() - 2), peach,
                        brown),
        checkPanelPixel(image, numbers, QPoint(2, 2), peach, brown),
        checkPanelPixel(image, target, QPoint(2, 2), orange, peach),
        checkPanelPixel(image, target, QPoint(target->width() - 3, 1), orange, peach),
        checkPanelPixel(image, target, QPoint(2, target->height() - 2), orange, peach),
    };
    problems.removeAll(QString());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
}

void TestGameScreens::gradientsAreOnScreen()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    const QImage first = window->grab().toImage();
    QCOMPARE(first.size(), window->size());
    checkGradients(first, *window);
    if (QTest::currentTestFailed())
        return;

    // Drawn again on their own, the panels still show their gradients: in a
    // fresh rendering and in what the screen holds for the window.
    window->controls().Picture4->update();
    window->controls().Picture3->update();
    QCoreApplication::processEvents();
    checkGradients(window->grab().toImage(), *window);
    if (QTest::currentTestFailed())
        return;
    const QImage onScreen = window->screen()->grabWindow(window->winId()).toImage();
    QCOMPARE(onScreen.size(), window->size());
    checkGradients(onScreen, *window);
}

void TestGameScreens::afterAGameControlsStayApart()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);

    // Six picks, START, and the fast clock runs out.
    for (ButtonEx *tile : std::span(window->controls().btnPick).first(6))
        click(tile);
    click(window->controls().Command1);
    QTRY_COMPARE_WITH_TIMEOUT(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"),
                              10000);

    // The answers and the status line appear once a search is asked for; the
    // click returns when the search has finished.
    click(window->controls().cmdAnswer);
    QTRY_COMPARE_WITH_TIMEOUT(window->controls().cmdAnswer->text(),
                              QStringLiteral("Search Finished"), 20000);

    const QList<Named> shown{{"Picture3", window->controls().Picture3},
                             {"Picture4", window->controls().Picture4},
                             {"cmdAnswer", window->controls().cmdAnswer},
                             {"LBa", window->controls().LBa},
                             {"List1", window->controls().List1},
                             {"Command1", window->controls().Command1},
                             {"cp1", window->controls().cp1}};
    QStringList problems = overlappingPairs(shown, {"Picture3/Picture4"});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    problems = misplaced(shown, window->centralWidget());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QVERIFY(!window->controls().lbinst->isVisible());
    for (const ButtonEx *tile : window->controls().btnPick)
        QVERIFY(!tile->isVisible());
    checkTarget(*window);

    // The summary the search left is two lines, and both fit the label's
    // height (their widths are checked with the longest counts above).
    const QStringList lines = window->controls().LBa->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.first().startsWith(QStringLiteral("Searched ")));
    QVERIFY(2 * QFontMetrics(window->controls().LBa->font()).lineSpacing() <=
            window->controls().LBa->contentsRect().height());
}

// Shown, the window lays out again for the room it got (here inside the
// offscreen platform's frame): tiles picked before that stay picked.
void TestGameScreens::layingOutForTheRoomGotKeepsTheBoard()
{
    GameWindowHolder window(m_game);
    for (const qint16 tile : {0, 11, 23})
        window->btnPick_Click(tile);
    showGameWindow(*window);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(keptAtItsSize(*window)); // laid out and kept at that size
    for (int tile = 0; tile < 24; ++tile) {
        const bool picked = tile == 0 || tile == 11 || tile == 23;
        QVERIFY2(window->controls().btnPick[tile]->isVisible() != picked,
                 qPrintable(QString::number(tile)));
    }
}

int main(int argc, char *argv[])
{
    const QTemporaryDir folder;
    g_screen = useTestScreen(folder);
    if (g_screen.isEmpty())
        return 1;
    QApplication app(argc, argv);
    TestGameScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gamescreens.moc"
