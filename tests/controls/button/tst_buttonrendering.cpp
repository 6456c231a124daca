#include "accesskey.h"
#include "buttonex.h"
#include "buttontesthelpers.h"

#include <QTest>
#include <QWidget>

using namespace buttontest;
namespace State = button::State;

namespace {

QColor at(const ButtonEx &b, int x, int y)
{
    return QColor::fromRgb(b.surface().image().pixel(x, y));
}

QColor inverted(const QColor &c)
{
    return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

// Four corners of the outer ring and of the ring inside it.
struct Rings
{
    QColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

using Pixel = std::pair<QPoint, QColor>;

Pixel px(int x, int y, const QColor &colour)
{
    return {QPoint(x, y), colour};
}

// The listed pixels, each named with its place where it differs.
void expectPixels(const ButtonEx &b, std::initializer_list<Pixel> pixels)
{
    for (const auto &[p, colour] : pixels) {
        const QString where = QStringLiteral("(%1, %2) is ").arg(p.x()).arg(p.y());
        QVERIFY2(at(b, p.x(), p.y()) == colour, qPrintable(where + at(b, p.x(), p.y()).name()));
    }
}

Rings ringsOf(const ButtonEx &b)
{
    const int r = b.width() - 1;
    const int bottom = b.height() - 1;
    return {at(b, 0, 0), at(b, r, bottom), at(b, 1, 1), at(b, r - 1, bottom - 1)};
}

// Without a caption, so that nothing covers the pixels read.
struct Captionless : ButtonEx
{
    Captionless() { setCaption(QString()); }
};

} // namespace

class TestButtonRendering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installPalette(); }

    void newControlLooksLikeAPlainButton();
    void edgesPerBorderStyleAndState_data();
    void edgesPerBorderStyleAndState();
    void flatGreyFrameAndGreyCaption();
    void defaultFrameAndFocusRectangle();
    void flatFaceShowsFocusOnlyUnderThePointer();
    void captionCentredAndMovedByPressAndOffsets();
    void captionUnderlinesOnlyTheAccessKey();
    void highlightColourUnderPointerAndPressed();
    void pictureSixteenInTwentyFour();
    void statePicturesAndEmptyOnes();
    void highlightSilhouette();
    void disabledLookIsEmbossedWithItsPicture();
    void skinShapesAndSizesTheControl();
    void skinPerStateAndFocus();
    void emptySkinKeepsTheButtonWhole();
    void drawHighlightAndClear();
    void pointerGoneRefusesPressedLook();
    void setUpHiddenShowsTheLastLook();
};

void TestButtonRendering::newControlLooksLikeAPlainButton()
{
    ButtonEx b;
    QCOMPARE(b.size(), QSize(80, 24)); // 1200 by 360 twips at 15 twips a pixel
    QCOMPARE(b.caption(), QStringLiteral("ButtonEx1"));
    QCOMPARE(b.controlFont(), QApplication::font());
    QCOMPARE(b.drawState(), State::Up);
    expectPixels(b, {px(0, 0, Midlight), px(79, 23, Shadow), px(1, 1, Light), px(78, 22, Dark),
                     px(3, 3, Face)});
    QVERIFY(!inkBox(b.surface().image(), ButtonText).isEmpty());
}

void TestButtonRendering::edgesPerBorderStyleAndState_data()
{
    QTest::addColumn<int>("borderStyle");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("outerTopLeft");
    QTest::addColumn<QColor>("outerBottomRight");
    QTest::addColumn<QColor>("innerTopLeft");
    QTest::addColumn<QColor>("innerBottomRight");

    // Raised: light/dark-shadow outside, highlight/shadow inside; sunken the reverse.
    const struct
    {
        int style;
        Rings up, over, down;
    } cases[] = {
        {0, {Face, Face, Face, Face}, {Midlight, Shadow, Light, Dark}, {Face, Face, Face, Face}},
        {1,
         {Midlight, Shadow, Light, Dark},
         {Midlight, Shadow, Light, Dark},
         {Dark, Light, Shadow, Midlight}},
        {2,
         {Midlight, Shadow, Shadow, Midlight},
         {Midlight, Shadow, Shadow, Midlight},
         {Dark, Light, Light, Dark}},
        {3, {Light, Dark, Face, Face}, {Light, Dark, Face, Face}, {Dark, Light, Face, Face}},
        {4, {Light, Dark, Face, Face}, {Light, Dark, Face, Face}, {Dark, Light, Face, Face}},
        {9,
         {Midlight, Shadow, Light, Dark},
         {Midlight, Shadow, Light, Dark},
         {Dark, Light, Shadow, Midlight}},
    };
    for (const auto &c : cases) {
        const std::pair<const char *, std::pair<int, Rings>> rows[] = {
            {"up", {State::Up, c.up}},
            {"over", {State::Over, c.over}},
            {"down", {State::Down, c.down}}};
        for (const auto &[name, row] : rows) {
            QTest::addRow("style %d %s", c.style, name)
                << c.style << row.first << row.second.outerTopLeft << row.second.outerBottomRight
                << row.second.innerTopLeft << row.second.innerBottomRight;
        }
    }
}

void TestButtonRendering::edgesPerBorderStyleAndState()
{
    QFETCH(int, borderStyle);
    QFETCH(int, state);
    Captionless b;
    b.setBorderStyle(borderStyle);
    b.Redraw(state);
    QCOMPARE(b.drawState(), state);
    const Rings rings = ringsOf(b);
    QTEST(rings.outerTopLeft, "outerTopLeft");
    QTEST(rings.outerBottomRight, "outerBottomRight");
    QTEST(rings.innerTopLeft, "innerTopLeft");
    QTEST(rings.innerBottomRight, "innerBottomRight");
    // The far corners of the top and left sides belong to the dark sides.
    QFETCH(QColor, outerBottomRight);
    QCOMPARE(at(b, b.width() - 1, 0), outerBottomRight);
    QCOMPARE(at(b, 0, b.height() - 1), outerBottomRight);
    QCOMPARE(at(b, 2, 2), Face);
}

void TestButtonRendering::flatGreyFrameAndGreyCaption()
{
    ButtonEx b;
    b.setControlFont(crispFont());
    b.setAppearance(button::Appearance::Flat);
    b.setBorderStyle(4);
    b.setHighlightColor(ole(Qt::red));
    const int r = b.width() - 1;
    const int bottom = b.height() - 1;
    for (const QPoint p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, bottom), QPoint(r, bottom),
                           QPoint(r / 2, 0), QPoint(0, bottom / 2)})
        QCOMPARE(at(b, p.x(), p.y()), GreyText);
    QCOMPARE(at(b, 1, 1), Face);
    QVERIFY(!inkBox(b.surface().image(), GreyText, QRect(2, 2, r - 3, bottom - 3)).isEmpty());
    QVERIFY(inkBox(b.surface().image(), Qt::red).isEmpty());

    b.Redraw(State::Over); // thin raised edge, caption in the highlight colour
    expectPixels(b, {px(0, 0, Light), px(r, bottom, Dark)});
    QVERIFY(!inkBox(b.surface().image(), Qt::red).isEmpty());
    b.Redraw(State::Down); // thin sunken edge
    expectPixels(b, {px(0, 0, Dark), px(r, bottom, Light)});
    QVERIFY(!inkBox(b.surface().image(), Qt::red).isEmpty());
}

void TestButtonRendering::defaultFrameAndFocusRectangle()
{
    Captionless b;
    b.setAmbient({true, std::nullopt, true});
    QVERIFY(b.focusLook());
    const int r = b.width() - 1;
    const int bottom = b.height() - 1;
    // Dark frame, the raised edge inside it, dots four pixels in.
    expectPixels(b, {px(0, 0, Shadow), px(r, bottom, Shadow), px(1, 1, Midlight),
                     px(r - 1, bottom - 1, Shadow), px(2, 2, Light), px(4, 4, inverted(Face)),
                     px(5, 4, Face), px(3, 3, Face)});
    b.Redraw(State::Down); // dark frame and a flat shadow frame inside
    expectPixels(b, {px(0, 0, Shadow), px(1, 1, Dark), px(r - 1, bottom - 1, Dark), px(2, 2, Face),
                     px(4, 4, inverted(Face))});
    b.setAllowDefault(false); // no frame, the plain sunken edge, still the dots
    b.Redraw(State::Down);
    expectPixels(b, {px(0, 0, Dark), px(1, 1, Shadow), px(4, 4, inverted(Face))});
    b.setAllowFocus(false);
    QCOMPARE(at(b, 4, 4), Face);

    // On a form being designed, focus shows no look.
    Captionless designed;
    designed.setAmbient({false, std::nullopt, true});
    QVERIFY(designed.focusLook());
    designed.Redraw(State::Up);
    expectPixels(designed, {px(0, 0, Midlight), px(4, 4, Face)});
}

void TestButtonRendering::flatFaceShowsFocusOnlyUnderThePointer()
{
    Captionless b;
    b.setAppearance(button::Appearance::Flat);
    b.setAmbient({true, std::nullopt, true});
    expectPixels(b, {px(0, 0, Face), px(4, 4, Face)});
    b.Redraw(State::Over);
    expectPixels(b, {px(0, 0, Shadow), px(4, 4, inverted(Face))});
}

void TestButtonRendering::captionCentredAndMovedByPressAndOffsets()
{
    ButtonEx b;
    b.setControlFont(crispFont());
    b.setCaption(QStringLiteral("Hello"));
    const QSize text = b.surface().textSize(QStringLiteral("Hello"));
    const int x = b.width() / 2 - text.width() / 2;
    const int y = b.height() / 2 - text.height() / 2;
    const QRect up = inkBox(b.surface().image(), ButtonText);
    QVERIFY(!up.isEmpty());
    QVERIFY2(up.left() >= x && up.left() <= x + 2, qPrintable(QString::number(up.left())));
    QVERIFY(up.right() < x + text.width());
    QVERIFY(up.top() >= y && up.bottom() < y + text.height());

    b.setHighlightColor(ole(ButtonText)); // the pressed caption keeps its colour
    b.Redraw(State::Down);
    QCOMPARE(inkBox(b.surface().image(), ButtonText), up.translated(1, 1));

    b.setCaptionOffsetX(-3);
    b.setCaptionOffsetY(2);
    b.Redraw(State::Up);
    QCOMPARE(inkBox(b.surface().image(), ButtonText), up.translated(-3, 2));
}

void TestButtonRendering::captionUnderlinesOnlyTheAccessKey()
{
    // The underline adds ink below the letters; a doubled ampersand adds none.
    ButtonEx b;
    b.setControlFont(crispFont());
    b.setCaption(QStringLiteral("Save"));
    const QRect plain = inkBox(b.surface().image(), ButtonText);
    b.setCaption(QStringLiteral("&Save"));
    const QRect underlined = inkBox(b.surface().image(), ButtonText);
    QVERIFY(underlined.bottom() > plain.bottom());
    QCOMPARE(button::withoutFirstAmpersand(QStringLiteral("a&&b")), QStringLiteral("a&b"));
}

void TestButtonRendering::highlightColourUnderPointerAndPressed()
{
    ButtonEx b;
    b.setControlFont(crispFont());
    b.setHighlightColor(ole(Qt::red));
    QVERIFY(inkBox(b.surface().image(), Qt::red).isEmpty());
    b.Redraw(State::Over);
    QVERIFY(!inkBox(b.surface().image(), Qt::red).isEmpty());
    QVERIFY(inkBox(b.surface().image(), ButtonText).isEmpty());
    b.Redraw(State::Down);
    QVERIFY(!inkBox(b.surface().image(), Qt::red).isEmpty());
}

void TestButtonRendering::pictureSixteenInTwentyFour()
{
    Captionless b;
    QCOMPARE(b.height(), 24);
    b.setPictureDown(std::nullopt); // as loaded: no pressed picture of its own
    // Blue frame (the default key colour) around a green body.
    b.setPicture(framedPicture(16, Qt::green, Qt::blue));
    QCOMPARE(b.painter().pictureOrigin(), QPoint(6, 6));
    // The frame keyed out, the body drawn.
    expectPixels(b, {px(7, 7, Qt::green), px(6, 6, Face), px(21, 21, Face), px(20, 20, Qt::green)});
    b.Redraw(State::Down);
    QCOMPARE(b.painter().pictureOrigin(), QPoint(7, 7));
    expectPixels(b, {px(7, 7, Face), px(8, 8, Qt::green)});
    b.setPictureOffsetX(3);
    b.setPictureOffsetY(-2);
    b.Redraw(State::Up);
    QCOMPARE(b.painter().pictureOrigin(), QPoint(9, 4));

    // Another key colour lets the frame through.
    b.setTransparentColor(ole(Qt::green));
    expectPixels(b, {px(9, 4, Qt::blue), px(10, 5, Face)});
}

void TestButtonRendering::statePicturesAndEmptyOnes()
{
    Captionless b;
    b.setPicture(framedPicture(10, Qt::green, Qt::blue));
    b.setPictureOver(framedPicture(10, Qt::red, Qt::blue));
    // Stored, but not shown until the next repaint.
    QCOMPARE(at(b, 8, 8), QColor(Qt::green));
    b.Redraw(State::Over);
    QCOMPARE(at(b, 8, 8), QColor(Qt::red));
    // An empty state picture hides the picture in that state; nothing keeps it.
    b.setPictureDown(QImage());
    b.Redraw(State::Down);
    QCOMPARE(at(b, 9, 9), Face);
    b.setPictureDown(std::nullopt);
    b.Redraw(State::Down);
    QCOMPARE(at(b, 9, 9), QColor(Qt::green));
}

void TestButtonRendering::highlightSilhouette()
{
    Captionless b;
    // The key of the silhouette is the picture's own corner, not TransparentColor.
    QImage picture = framedPicture(12, Qt::green, Qt::yellow);
    picture.setPixelColor(5, 5, Qt::blue);
    b.setPicture(picture);
    b.setPictureOver(std::nullopt);
    b.setHighlightColor(ole(Qt::red));
    b.setHighlightPicture(true);
    const QPoint o = b.painter().pictureOrigin();
    // At rest the picture, its blue keyed out by TransparentColor.
    expectPixels(b, {Pixel(o + QPoint(3, 3), Qt::green), Pixel(o, Qt::yellow),
                     Pixel(o + QPoint(5, 5), Face)});
    b.Redraw(State::Over);
    expectPixels(b, {Pixel(o + QPoint(3, 3), Qt::red), Pixel(o + QPoint(5, 5), Qt::red),
                     Pixel(o, Face), Pixel(o + QPoint(11, 11), Face)});
}

void TestButtonRendering::disabledLookIsEmbossedWithItsPicture()
{
    ButtonEx b;
    b.setControlFont(crispFont());
    b.setPictureDisabled(framedPicture(10, Qt::red, Qt::blue));
    b.setPicture(framedPicture(10, Qt::green, Qt::blue));
    b.setControlEnabled(false);
    QVERIFY(!b.isEnabled());
    const QImage image = b.surface().image();
    QVERIFY(inkBox(image, ButtonText).isEmpty());
    // Inside the edge rings, which use the same two colours.
    const QRect highlight = inkBox(image, Light, QRect(2, 2, 76, 20));
    const QRect shadow = inkBox(image, Dark, QRect(2, 2, 76, 20));
    QVERIFY(!highlight.isEmpty() && !shadow.isEmpty());
    QCOMPARE(highlight.bottomRight(), shadow.bottomRight() + QPoint(1, 1));
    QCOMPARE(at(b, 9, 9), QColor(Qt::red));

    // Enabling again returns to Up, even from a pressed look.
    b.setControlEnabled(true);
    b.Redraw(State::Down);
    b.setControlEnabled(true);
    QCOMPARE(b.drawState(), State::Up);
    QCOMPARE(at(b, 0, 0), Midlight);
}

void TestButtonRendering::skinShapesAndSizesTheControl()
{
    // 66 by 33 pixels at 3750 dots a metre is 1760 by 880 HIMETRIC.
    QImage skin = framedPicture(66, Qt::green, Qt::blue).copy(0, 0, 66, 33);
    skin.setDotsPerMeterX(3750);
    skin.setDotsPerMeterY(3750);
    QWidget window;
    window.resize(200, 100);
    auto *b = new ButtonEx(&window);
    b->move(10, 10);
    b->setAppearance(button::Appearance::Skinned);
    // As loaded from stored data: only the resting skin.
    for (auto setter : {&ButtonEx::setSkinDown, &ButtonEx::setSkinOver, &ButtonEx::setSkinFocus,
                        &ButtonEx::setSkinDisabled})
        (b->*setter)(std::nullopt);
    b->setSkinUp(skin);
    // 1000 by 500 twips, to whole pixels.
    QCOMPARE(b->size(), QSize(67, 33));
    QVERIFY(b->surface().isTransparent());
    QVERIFY(!b->mask().contains(QPoint(0, 0)));
    QVERIFY(b->mask().contains(QPoint(1, 1)));
    QVERIFY(!b->mask().contains(QPoint(66, 10))); // beyond the skin
    QCOMPARE(at(*b, 5, 5), QColor(Qt::green));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int presses = 0;
    connect(b, &ButtonEx::mouseDown, this, [&presses] { ++presses; });
    QCOMPARE(window.childAt(10, 10), nullptr);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(presses, 0);
    QCOMPARE(window.childAt(20, 20), b);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(presses, 1);

    // Back to the standard face: opaque again.
    b->setAppearance(button::Appearance::ThreeD);
    QVERIFY(!b->surface().isTransparent());
    QVERIFY(b->mask().isEmpty());
}

void TestButtonRendering::skinPerStateAndFocus()
{
    const QImage up = framedPicture(20, Qt::green, Qt::blue);
    ButtonEx b;
    b.setAppearance(button::Appearance::Skinned);
    b.setCaption(QString());
    b.setSkinUp(up);
    b.setSkinOver(framedPicture(20, Qt::red, Qt::blue));
    b.setSkinFocus(framedPicture(20, Qt::yellow, Qt::blue));
    b.setSkinDisabled(framedPicture(20, Qt::gray, Qt::blue));
    QCOMPARE(at(b, 5, 5), QColor(Qt::green));
    b.Redraw(State::Over);
    QCOMPARE(at(b, 5, 5), QColor(Qt::red));
    b.Redraw(State::Down); // SkinDown holds an empty picture: no skin, no shape
    QVERIFY(!b.surface().isTransparent());
    QVERIFY(b.mask().isEmpty());
    QCOMPARE(at(b, 5, 5), Face);
    b.setSkinDown(std::nullopt); // nothing: SkinUp stands in
    b.Redraw(State::Down);
    QCOMPARE(at(b, 5, 5), QColor(Qt::green));
    b.setAmbient({true, std::nullopt, true});
    b.Redraw(State::Up);
    QCOMPARE(at(b, 5, 5), QColor(Qt::yellow));
    QCOMPARE(b.drawState(), State::Up);
    b.setControlEnabled(false);
    QCOMPARE(at(b, 5, 5), QColor(Qt::gray));
    QCOMPARE(b.drawState(), State::Disabled);
}

void TestButtonRendering::emptySkinKeepsTheButtonWhole()
{
    // A new button's skins are all empty pictures: switched to the skinned
    // look it keeps its caption, picture, rectangle and clicks.
    QWidget window;
    window.resize(200, 100);
    auto *b = new ButtonEx(&window);
    b->move(10, 10);
    b->setControlFont(crispFont());
    b->setPicture(framedPicture(8, Qt::red, Qt::blue));
    b->setAppearance(button::Appearance::Skinned);
    QVERIFY(!b->surface().isTransparent());
    QVERIFY(b->mask().isEmpty());
    QVERIFY(!inkBox(b->surface().image(), ButtonText).isEmpty());
    QVERIFY(!inkBox(b->surface().image(), Qt::red).isEmpty());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    connect(b, &ButtonEx::Click, this, [&clicks] { ++clicks; });
    QCOMPARE(window.childAt(12, 12), b);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(12, 12));
    QCOMPARE(clicks, 1);

    // Only the resting skin set: the other states, under the pointer
    // included, still show the whole button.
    b->clearFocus(); // the focus look would ask for the (empty) focus skin
    b->setSkinUp(framedPicture(20, Qt::green, Qt::blue));
    b->Redraw(State::Up);
    QVERIFY(b->surface().isTransparent());
    b->Redraw(State::Over);
    QVERIFY(!b->surface().isTransparent());
    QVERIFY(b->mask().isEmpty());
    QVERIFY(!inkBox(b->surface().image(), ButtonText).isEmpty());
}

void TestButtonRendering::drawHighlightAndClear()
{
    Captionless b;
    b.setBorderStyle(0);
    b.DrawHighlight();
    // Dots where x + y is even, (79, 23) included.
    expectPixels(b, {px(0, 0, inverted(Face)), px(1, 0, Face), px(79, 23, inverted(Face)),
                     px(79, 22, Face)});
    b.ClearHighlight();
    QCOMPARE(at(b, 0, 0), Face);
}

void TestButtonRendering::pointerGoneRefusesPressedLook()
{
    Captionless b;
    b.RaiseNamedEvent(QStringLiteral("MouseExit"));
    b.Redraw(State::Over);
    const QImage before = b.surface().image();
    b.Redraw(State::Down);
    QCOMPARE(b.drawState(), State::Over);
    QCOMPARE(b.surface().image(), before);
    b.setValue(State::Down); // refused the same way
    QCOMPARE(b.drawState(), State::Over);
}

void TestButtonRendering::setUpHiddenShowsTheLastLook()
{
    // A button set up before it is shown draws once, when shown: what it
    // shows must be what the last settings draw, whatever came between.
    const auto finalLook = [](ButtonEx &b) {
        b.setControlFont(crispFont());
        b.setCaption(QStringLiteral("&Go"));
        b.setPicture(framedPicture(10, Qt::green, Qt::blue));
        b.setBackColor(0x00FFFF);
    };
    QWidget hiddenHost;
    auto *hidden = new ButtonEx(&hiddenHost);
    hidden->setCaption(QStringLiteral("first"));
    hidden->setControlEnabled(false);
    finalLook(*hidden);
    hidden->Redraw(State::Down);
    hidden->setControlEnabled(true); // back to Up, even from the pressed look asked for
    QWidget plainHost;
    auto *plain = new ButtonEx(&plainHost);
    plainHost.show();
    finalLook(*plain);
    hiddenHost.show();
    QCOMPARE(hidden->grab().toImage(), plain->grab().toImage());
    QCOMPARE(hidden->drawState(), State::Up);
}

QTEST_MAIN(TestButtonRendering)
#include "tst_buttonrendering.moc"
