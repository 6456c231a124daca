#include "surface.h"
#include "surfaceshape.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QTest>
#include <QWidget>
#include <QtMath>

#include <cstdint>
#include <utility>

using platform::Surface;
using platform::SurfaceFormat;

namespace {

constexpr QRgb kBack = 0xFFFFFFFF;
constexpr QRgb kPen = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;

// A surface cleared to white with a black one-pixel pen.
Surface blank(int w = 40, int h = 40, qreal ratio = 1.0)
{
    Surface surface(QSize(w, h), SurfaceFormat::Colour, ratio);
    surface.setBackColour(Qt::white);
    surface.setForeColour(Qt::black);
    surface.clear();
    return surface;
}

// Distinct colours for the roles edges and embossed text use, so a test can
// tell which role painted a pixel.
QPalette edgePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Midlight, QColor(0x11, 0x11, 0x11)); // 3-D light
    palette.setColor(QPalette::Shadow, QColor(0x22, 0x22, 0x22));   // dark shadow, frame
    palette.setColor(QPalette::Light, QColor(0x33, 0x33, 0x33));    // highlight
    palette.setColor(QPalette::Dark, QColor(0x44, 0x44, 0x44));     // shadow
    palette.setColor(QPalette::Button, QColor(0x55, 0x55, 0x55));   // face
    palette.setColor(QPalette::Base, QColor(0x66, 0x66, 0x66));     // window
    return palette;
}
constexpr QRgb kLight = 0xFF111111;
constexpr QRgb kDarkShadow = 0xFF222222;
constexpr QRgb kHighlight = 0xFF333333;
constexpr QRgb kShadow = 0xFF444444;

struct Ink
{
    int x, y;
    QRgb colour;
};

// The listed (device) pixels that do not hold their colour, empty when all
// do, so that one check names every wrong pixel.
QString wrongPixels(const QImage &image, std::initializer_list<Ink> expected)
{
    QStringList wrong;
    for (const Ink &p : expected)
        if (image.pixel(p.x, p.y) != p.colour)
            wrong << QString::asprintf("(%d, %d) is %08x", p.x, p.y, image.pixel(p.x, p.y));
    return wrong.join(QStringLiteral("; "));
}

QString wrongPixels(const Surface &s, std::initializer_list<Ink> expected)
{
    return wrongPixels(s.image(), expected);
}

bool anyPixel(const Surface &surface, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (surface.rgb(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TestSurface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(edgePalette()); }

    void linesLeaveOutTheirEndPixel()
    {
        Surface s = blank();
        s.moveTo({2, 5});
        s.lineTo({8, 5});
        QCOMPARE(wrongPixels(s, {{2, 5, kPen}, {7, 5, kPen}, {8, 5, kBack}}), QString());
        QCOMPARE(s.currentPosition(), QPoint(8, 5));

        // A diagonal continues from the current position.
        s.lineTo({8, 10});
        QCOMPARE(wrongPixels(s, {{8, 5, kPen}, {8, 9, kPen}, {8, 10, kBack}}), QString());

        // Whatever the direction, the start is drawn and the end left out.
        const struct
        {
            QPoint from, to, firstInk, lastInk;
        } runs[] = {
            {{1, 30}, {1, 22}, {1, 30}, {1, 23}},
            {{30, 35}, {22, 35}, {30, 35}, {23, 35}},
            {{35, 35}, {32, 32}, {35, 35}, {33, 33}},
            {{32, 12}, {35, 9}, {32, 12}, {34, 10}},
        };
        for (const auto &run : runs) {
            Surface d = blank();
            d.line(run.from, run.to);
            QCOMPARE(wrongPixels(d, {{run.firstInk.x(), run.firstInk.y(), kPen},
                                     {run.lastInk.x(), run.lastInk.y(), kPen},
                                     {run.to.x(), run.to.y(), kBack}}),
                     QString());
        }
        // Lines leaving the surface are clipped, not refused.
        Surface clipped = blank(10, 10);
        clipped.line({-5, 5}, {5, 5});
        QCOMPARE(wrongPixels(clipped, {{0, 5, kPen}, {4, 5, kPen}}), QString());

        // Wide pens have round ends, which do cover the end point.
        Surface wide = blank();
        wide.setPenWidth(3);
        wide.line({5, 20}, {30, 20});
        QCOMPARE(
            wrongPixels(wide, {{30, 20, kPen}, {20, 19, kPen}, {20, 21, kPen}, {20, 23, kBack}}),
            QString());
    }

    // The one-pixel line only visits the steps that land on the image; the
    // pixels must be exactly those of stepping the whole line, in every
    // direction and from or to any point off the image.
    void thinLinesClipToTheImageExactly()
    {
        // Every step of the line's error, the end pixel left out.
        auto stepped = [](QImage &image, QPoint from, QPoint to) {
            const int dx = std::abs(to.x() - from.x());
            const int dy = -std::abs(to.y() - from.y());
            const int sx = from.x() < to.x() ? 1 : -1;
            const int sy = from.y() < to.y() ? 1 : -1;
            int error = dx + dy;
            for (int x = from.x(), y = from.y(); x != to.x() || y != to.y();) {
                if (image.valid(x, y))
                    image.setPixel(x, y, kPen);
                const int twice = 2 * error;
                if (twice >= dy) {
                    error += dy;
                    x += sx;
                }
                if (twice <= dx) {
                    error += dx;
                    y += sy;
                }
            }
        };
        std::uint32_t seed = 7;
        auto next = [&seed](int low, int high) {
            seed = seed * 1664525u + 1013904223u;
            return low + static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(high - low));
        };
        for (int n = 0; n < 3000; ++n) {
            const QPoint from(next(-70, 110), next(-70, 100));
            const QPoint to(next(-70, 110), next(-70, 100));
            Surface s = blank(40, 30);
            s.line(from, to);
            QImage expected(40, 30, QImage::Format_RGB32);
            expected.fill(kBack);
            stepped(expected, from, to);
            if (s.image() != expected)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) to (%3, %4)")
                                     .arg(from.x())
                                     .arg(from.y())
                                     .arg(to.x())
                                     .arg(to.y())));
        }

        // Lines billions of pixels long, into and out of the image, cost no
        // more than their visible part, and show the pixels of a short line
        // of the same slope.
        const int far = 1'000'000'000;
        const QPoint inside(10, 12);
        const std::pair<QPoint, QPoint> lines[] = {
            {inside, inside + QPoint(2 * far, far)},
            {inside - QPoint(2 * far, far), inside},
            {inside, inside + QPoint(-far, 2 * far)},
            {QPoint(-2 * far, 20), QPoint(2 * far, 20)},
        };
        for (const auto &[from, to] : lines) {
            Surface longLine = blank(40, 30);
            longLine.line(from, to);
            Surface shortLine = blank(40, 30);
            if (from == inside)
                shortLine.line(from, from + (to - from) / (far / 50));
            else if (to == inside)
                shortLine.line(to - (to - from) / (far / 50), to);
            else
                shortLine.line(QPoint(-100, 20), QPoint(100, 20));
            QCOMPARE(longLine.image(), shortLine.image());
            QVERIFY(anyPixel(longLine, longLine.image().rect(), kPen));
        }
    }

    // Wide lines are painted as a body and two end discs; the result must
    // stay what a round-capped pen paints, up to the odd pixel on the curve.
    void wideLinesMatchRoundCappedStrokes()
    {
        for (int width = 2; width <= 9; ++width) {
            for (int degrees = 0; degrees < 360; degrees += 37) {
                const QPoint centre(40, 40);
                const QPoint end(centre.x() + qRound(30 * std::cos(qDegreesToRadians(degrees))),
                                 centre.y() - qRound(30 * std::sin(qDegreesToRadians(degrees))));
                Surface s = blank(80, 80);
                s.setPenWidth(width);
                s.line(centre, end);

                QImage reference(80, 80, QImage::Format_RGB32);
                reference.fill(Qt::white);
                {
                    QPainter painter(&reference);
                    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
                    painter.drawLine(centre, end);
                }
                int inked = 0;
                int differing = 0;
                for (int y = 0; y < 80; ++y)
                    for (int x = 0; x < 80; ++x) {
                        inked += reference.pixel(x, y) == kPen;
                        differing += reference.pixel(x, y) != s.rgb(x, y);
                    }
                QVERIFY2(differing * 12 <= inked,
                         qPrintable(QStringLiteral("width %1 at %2 degrees: %3 of %4 differ")
                                        .arg(width)
                                        .arg(degrees)
                                        .arg(differing)
                                        .arg(inked)));
                QCOMPARE(wrongPixels(s, {{end.x(), end.y(), kPen}, {centre.x(), centre.y(), kPen}}),
                         QString());
            }
        }
    }

    void ellipseAndRectangleBoxesExcludeRightAndBottom()
    {
        Surface s = blank();
        s.ellipse(10, 10, 21, 21);
        // The fill is transparent by default.
        QCOMPARE(wrongPixels(s, {{10, 15, kPen}, {20, 15, kPen}, {21, 15, kBack}, {9, 15, kBack}}),
                 QString());
        QCOMPARE(wrongPixels(s, {{15, 10, kPen}, {15, 20, kPen}, {15, 21, kBack}, {15, 15, kBack}}),
                 QString());

        s.setFillStyle(platform::FillStyle::Solid);
        s.setFillColour(Qt::red);
        s.ellipse(10, 10, 21, 21);
        QCOMPARE(s.rgb(15, 15), kRed);

        Surface r = blank();
        r.rectangle(2, 2, 8, 6);
        QCOMPARE(wrongPixels(r, {{2, 2, kPen}, {7, 5, kPen}, {8, 5, kBack}, {7, 6, kBack}}),
                 QString());
        QCOMPARE(r.rgb(4, 4), kBack);
        r.setFillStyle(platform::FillStyle::Solid);
        r.setFillColour(Qt::blue);
        r.rectangle(2, 2, 8, 6);
        QCOMPARE(wrongPixels(r, {{4, 4, kBlue}, {7, 5, kPen}}), QString());
    }

    void arcsRunCounterClockwise()
    {
        // From 3 o'clock to 12 o'clock counter-clockwise: the upper right quarter.
        Surface quarter = blank(41, 41);
        quarter.arc(0, 0, 41, 41, {40, 20}, {20, 0});
        QVERIFY(anyPixel(quarter, QRect(30, 3, 5, 5), kPen));
        QVERIFY(!anyPixel(quarter, QRect(3, 30, 8, 8), kPen));
        QVERIFY(!anyPixel(quarter, QRect(3, 3, 8, 8), kPen));

        // Swapped ends: the other three quarters.
        Surface rest = blank(41, 41);
        rest.arc(0, 0, 41, 41, {20, 0}, {40, 20});
        QVERIFY(!anyPixel(rest, QRect(30, 3, 5, 5), kPen));
        QVERIFY(anyPixel(rest, QRect(3, 30, 8, 8), kPen));
        QVERIFY(anyPixel(rest, QRect(3, 3, 8, 8), kPen));
    }

    void clearDrawsTheBackgroundPictureUnscaled()
    {
        Surface s = blank(20, 20);
        QImage picture(5, 4, QImage::Format_RGB32);
        picture.fill(Qt::green);
        s.setBackColour(Qt::blue);
        s.setBackgroundPicture(picture);
        s.clear();
        QCOMPARE(wrongPixels(s, {{4, 3, kGreen}, {5, 3, kBlue}, {4, 4, kBlue}}), QString());

        // An empty picture draws nothing; resizing starts from a clear.
        s.setBackgroundPicture(QImage());
        s.resize(QSize(30, 10));
        QCOMPARE(s.size(), QSize(30, 10));
        QCOMPARE(s.rgb(0, 0), kBlue);
    }

    void visibleRegionFollowsTheMaskColour()
    {
        Surface s = blank(10, 10);
        QCOMPARE(s.visibleRegion(), QRegion(0, 0, 10, 10));

        s.setTransparent(true);
        QVERIFY(s.visibleRegion().isEmpty()); // no mask picture: nothing shows

        QImage mask(10, 10, QImage::Format_RGB32);
        mask.fill(Qt::magenta);
        for (int x = 2; x < 6; ++x)
            mask.setPixel(x, 4, qRgb(1, 2, 3));
        mask.setPixel(8, 8, qRgb(0, 0, 0));
        s.setMaskPicture(mask);
        s.setMaskColour(Qt::magenta);
        const QRegion region = s.visibleRegion();
        QVERIFY(region.contains(QPoint(2, 4)));
        QVERIFY(region.contains(QPoint(5, 4)));
        QVERIFY(region.contains(QPoint(8, 8)));
        QVERIFY(!region.contains(QPoint(6, 4)));
        QVERIFY(!region.contains(QPoint(0, 0)));

        // A widget takes the shape; a surface with nothing visible hides it all.
        QWidget widget;
        widget.resize(10, 10);
        platform::applySurfaceShape(widget, s);
        QCOMPARE(widget.mask(), region);
        s.setMaskPicture(std::nullopt);
        platform::applySurfaceShape(widget, s);
        QVERIFY(!widget.mask().isEmpty());
        QVERIFY(!widget.mask().intersects(widget.rect()));
        s.setTransparent(false);
        platform::applySurfaceShape(widget, s);
        QVERIFY(widget.mask().isEmpty());
    }

    void edgesUseThePaletteRoles()
    {
        Surface s = blank(10, 10);
        QRect r(0, 0, 10, 10);
        s.drawEdge(r, platform::Edge::Raised,
                   platform::EdgeFlag::Rect | platform::EdgeFlag::Adjust);
        // The far corners belong to the dark sides.
        QCOMPARE(wrongPixels(s, {{0, 0, kLight}, {8, 0, kLight}, {9, 0, kDarkShadow}}), QString());
        QCOMPARE(wrongPixels(s, {{0, 9, kDarkShadow}, {9, 9, kDarkShadow}, {1, 1, kHighlight}}),
                 QString());
        QCOMPARE(wrongPixels(s, {{8, 1, kShadow}, {1, 8, kShadow}, {2, 2, kBack}}), QString());
        QCOMPARE(r, QRect(2, 2, 6, 6));

        Surface sunken = blank(10, 10);
        QRect whole(0, 0, 10, 10);
        sunken.drawEdge(whole, platform::Edge::Sunken, platform::EdgeFlag::Rect);
        QCOMPARE(
            wrongPixels(sunken,
                        {{0, 0, kShadow}, {9, 5, kHighlight}, {1, 1, kDarkShadow}, {8, 5, kLight}}),
            QString());
        QCOMPARE(whole, QRect(0, 0, 10, 10)); // no Adjust: the rectangle stays

        // Mono and flat draw one ring of a single colour.
        Surface mono = blank(10, 10);
        QRect m(0, 0, 10, 10);
        mono.drawEdge(m, platform::Edge::Outer,
                      platform::EdgeFlag::Rect | platform::EdgeFlag::Adjust |
                          platform::EdgeFlag::Mono);
        QCOMPARE(wrongPixels(mono, {{0, 0, kDarkShadow}, {9, 9, kDarkShadow}, {1, 1, kBack}}),
                 QString());
        QCOMPARE(m, QRect(1, 1, 8, 8));
        mono.drawEdge(m, platform::Edge::SunkenOuter,
                      platform::EdgeFlag::Rect | platform::EdgeFlag::Flat);
        QCOMPARE(wrongPixels(mono, {{1, 1, kShadow}, {8, 8, kShadow}, {2, 2, kBack}}), QString());

        // Only the sides asked for.
        Surface side = blank(10, 10);
        QRect b(0, 0, 10, 10);
        side.drawEdge(b, platform::Edge::Raised, platform::EdgeFlag::Bottom);
        QCOMPARE(wrongPixels(side, {{5, 9, kDarkShadow}, {0, 5, kBack}, {9, 5, kBack}}), QString());
    }

    void focusRectangleIsDottedAndUndoesItself()
    {
        Surface s = blank(12, 12);
        const QImage before = s.image();
        const QRect rect(QPoint(2, 2), QPoint(9, 9));
        s.drawFocusRect(rect);
        QCOMPARE(wrongPixels(s, {{2, 2, kPen}, {3, 2, kBack}, {4, 2, kPen}, {9, 9, kPen}}),
                 QString());
        QCOMPARE(wrongPixels(s, {{2, 3, kBack}, {2, 4, kPen}, {5, 5, kBack}}), QString());
        s.drawFocusRect(rect);
        QCOMPARE(s.image(), before);
    }

    void blitsConvertBetweenColourAndMonochrome()
    {
        Surface colour(QSize(4, 1));
        colour.setPixel(0, 0, Qt::red);
        colour.setPixel(1, 0, Qt::green);
        colour.setPixel(2, 0, Qt::red);
        colour.setPixel(3, 0, Qt::blue);
        colour.setBackColour(Qt::red); // the key

        Surface mask(QSize(4, 1), SurfaceFormat::Monochrome);
        mask.bitBlt({0, 0}, {4, 1}, colour, {0, 0}, platform::RasterOp::SrcCopy);
        QCOMPARE(wrongPixels(mask, {{0, 0, kBack}, {1, 0, kPen}, {2, 0, kBack}, {3, 0, kPen}}),
                 QString());

        Surface target(QSize(4, 1));
        target.setBackColour(Qt::yellow);
        target.setForeColour(Qt::cyan);
        target.bitBlt({0, 0}, {4, 1}, mask, {0, 0}, platform::RasterOp::SrcCopy);
        QCOMPARE(wrongPixels(target, {{0, 0, qRgb(255, 255, 0)}, {1, 0, qRgb(0, 255, 255)}}),
                 QString());

        Surface inverse(QSize(4, 1), SurfaceFormat::Monochrome);
        inverse.bitBlt({0, 0}, {4, 1}, mask, {0, 0}, platform::RasterOp::NotSrcCopy);
        QCOMPARE(wrongPixels(inverse, {{0, 0, kPen}, {1, 0, kBack}}), QString());
    }

    // The classic see-through copy built from the raster operations: key
    // pixels of the source leave the destination alone.
    void maskedCopyKeysOutOneColour()
    {
        Surface source(QSize(3, 3));
        source.setBackColour(Qt::magenta);
        source.clear();
        source.setPixel(1, 1, Qt::blue);
        Surface dest(QSize(5, 5));
        dest.setBackColour(Qt::green);
        dest.clear();

        const QSize size(3, 3);
        Surface mask(size, SurfaceFormat::Monochrome);
        mask.bitBlt({0, 0}, size, source, {0, 0}, platform::RasterOp::SrcCopy);
        Surface inverse(size, SurfaceFormat::Monochrome);
        inverse.bitBlt({0, 0}, size, mask, {0, 0}, platform::RasterOp::NotSrcCopy);
        Surface result(size);
        result.bitBlt({0, 0}, size, dest, {1, 1}, platform::RasterOp::SrcCopy);
        result.bitBlt({0, 0}, size, mask, {0, 0}, platform::RasterOp::SrcAnd);
        Surface work(size);
        work.bitBlt({0, 0}, size, source, {0, 0}, platform::RasterOp::SrcCopy);
        work.bitBlt({0, 0}, size, inverse, {0, 0}, platform::RasterOp::SrcAnd);
        result.bitBlt({0, 0}, size, work, {0, 0}, platform::RasterOp::SrcInvert);
        dest.bitBlt({1, 1}, size, result, {0, 0}, platform::RasterOp::SrcCopy);

        QCOMPARE(wrongPixels(dest, {{2, 2, kBlue}, {1, 1, kGreen}, {3, 3, kGreen}, {0, 0, kGreen}}),
                 QString());
    }

    void blitsClipToBothSurfaces()
    {
        Surface source(QSize(4, 4));
        source.setBackColour(Qt::red);
        source.clear();
        Surface dest = blank(4, 4);
        dest.bitBlt({-2, 2}, {4, 4}, source, {0, 0}, platform::RasterOp::SrcCopy);
        QCOMPARE(wrongPixels(dest, {{0, 2, kRed}, {1, 3, kRed}, {2, 2, kBack}, {0, 1, kBack}}),
                 QString());
        dest.bitBlt({0, 0}, {9, 9}, source, {3, 3}, platform::RasterOp::SrcCopy);
        QCOMPARE(wrongPixels(dest, {{0, 0, kRed}, {1, 0, kBack}}), QString());
    }

    void stretchCoversTheTarget()
    {
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(255, 0, 0));
        picture.setPixel(1, 0, qRgb(0, 0, 255));
        Surface s = blank(20, 10);
        s.stretchBlt(QRect(0, 0, 20, 10), picture, picture.rect());
        QCOMPARE(wrongPixels(s, {{0, 0, kRed}, {9, 9, kRed}, {10, 0, kBlue}, {19, 9, kBlue}}),
                 QString());

        // The smooth mode blends across the middle.
        s.setStretchMode(platform::StretchMode::Halftone);
        s.stretchBlt(QRect(0, 0, 20, 10), picture, picture.rect());
        const QColor middle = QColor::fromRgb(s.rgb(10, 5));
        QVERIFY(middle.red() > 0 && middle.blue() > 0);
    }

    void textStaysInsideItsMeasuredBox()
    {
        Surface s = blank(120, 40);
        s.setForeColour(Qt::red);
        const QSize size = s.textSize(QStringLiteral("Wide text"));
        QVERIFY(size.width() > 20 && size.height() > 5);
        s.textOut({10, 5}, QStringLiteral("Wide text"));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x)
                if (s.rgb(x, y) != kBack)
                    QVERIFY2(QRect(QPoint(10, 5), size).contains(x, y),
                             qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        QVERIFY(s.image() != blank(120, 40).image());
    }

    void stateTextUnderlinesAndEmbosses()
    {
        // "&&" shows one ampersand, "&W" underlines W: the prefix form is
        // narrower than the literal text and leaves ink below the letters.
        Surface plain = blank(100, 40);
        plain.drawStateText({5, 5}, QStringLiteral("W"), 0);
        Surface prefixed = blank(100, 40);
        prefixed.drawStateText({5, 5}, QStringLiteral("&W"), platform::TextState::Prefix);
        QVERIFY(plain.image() != prefixed.image());
        const QRect letter(QPoint(5, 5), plain.textSize(QStringLiteral("W")));
        for (int x = letter.right() + 2; x < 100; ++x)
            for (int y = 0; y < 40; ++y)
                QCOMPARE(prefixed.rgb(x, y), kBack);

        // Disabled: the highlight copy shows below and right of the shadow copy.
        Surface disabled = blank(100, 40);
        disabled.drawStateText({5, 5}, QStringLiteral("W"),
                               platform::TextState::Prefix | platform::TextState::Disabled);
        QVERIFY(anyPixel(disabled, QRect(0, 0, 100, 40), kShadow));
        QVERIFY(anyPixel(disabled, QRect(0, 0, 100, 40), kHighlight));
        QVERIFY(!anyPixel(disabled, QRect(0, 0, 100, 40), kPen));
    }

    void pixelsReadAsColourValues()
    {
        Surface s = blank(3, 3);
        s.setPixel(1, 1, QColor(0x12, 0x34, 0x56));
        QCOMPARE(s.pixel(1, 1), 0x00563412u);
        QCOMPARE(s.pixel(3, 1), 0xFFFFFFFFu);
        QCOMPARE(s.pixel(-1, 0), 0xFFFFFFFFu);
    }

    // At a device pixel ratio of 2 every operation keeps its logical extent,
    // drawn in device pixels: the same box of the image, at twice the detail.
    void deviceScaleKeepsLogicalExtents()
    {
        Surface s = blank(20, 12, 2.0);
        QCOMPARE(s.size(), QSize(20, 12));
        QCOMPARE(s.image().size(), QSize(40, 24));
        QCOMPARE(s.image().devicePixelRatio(), 2.0);

        // Lines cover the logical pixels from the start to the end, left out,
        // in either direction.
        s.line({2, 5}, {8, 5});
        QCOMPARE(wrongPixels(s.image(), {{4, 10, kPen}, {15, 11, kPen}, {16, 10, kBack}}),
                 QString());
        QCOMPARE(wrongPixels(s.image(), {{4, 9, kBack}, {4, 12, kBack}}), QString());
        s.line({12, 9}, {12, 3});
        QCOMPARE(wrongPixels(s.image(), {{24, 18, kPen}, {25, 8, kPen}, {24, 6, kBack}}),
                 QString());
        QCOMPARE(s.pixel(12, 9), 0u);

        // Boxes, outline and fill, cover left..right - 1 exactly.
        s.setFillStyle(platform::FillStyle::Solid);
        s.setFillColour(Qt::red);
        s.rectangle(14, 1, 19, 11);
        QCOMPARE(
            wrongPixels(s.image(), {{28, 2, kPen}, {37, 21, kPen}, {38, 21, kBack}, {30, 4, kRed}}),
            QString());

        // Logical pixel reads and writes, the dotted focus rectangle, which
        // leaves logical (1, 0) without a dot.
        s.setPixel(0, 0, Qt::blue);
        QCOMPARE(s.image().pixel(1, 1), kBlue);
        const QImage before = s.image();
        s.drawFocusRect(QRect(QPoint(0, 0), QPoint(19, 11)));
        QCOMPARE(wrongPixels(s.image(), {{0, 0, qRgb(255, 255, 0)}, {3, 1, kBack}}), QString());
        s.drawFocusRect(QRect(QPoint(0, 0), QPoint(19, 11)));
        QCOMPARE(s.image(), before);

        // A fractional ratio covers the logical size with whole pixels.
        Surface odd(QSize(21, 7), SurfaceFormat::Colour, 1.5);
        QCOMPARE(odd.image().size(), QSize(32, 11));
        odd.setDevicePixelRatio(1.0);
        QCOMPARE(odd.image().size(), QSize(21, 7));
    }

    void deviceScaleBlitsAndShapesInLogicalPixels()
    {
        // A picture at its own size lands on a 2x surface enlarged; blits
        // between 2x surfaces copy device pixels one to one.
        Surface picture = blank(4, 4);
        picture.setPixel(1, 2, Qt::red);
        Surface target = blank(10, 10, 2.0);
        target.bitBlt({5, 5}, {4, 4}, picture, {0, 0}, platform::RasterOp::SrcCopy);
        QCOMPARE(wrongPixels(target.image(), {{12, 14, kRed}, {13, 15, kRed}, {14, 14, kBack}}),
                 QString());
        Surface copy(QSize(10, 10), SurfaceFormat::Colour, 2.0);
        copy.bitBlt({0, 0}, {10, 10}, target, {0, 0}, platform::RasterOp::SrcCopy);
        QCOMPARE(copy.image(), target.image());

        // A snapshot at device scale shapes the surface in logical pixels.
        target.setTransparent(true);
        target.setMaskColour(Qt::white);
        target.setMaskPicture(target.image());
        QCOMPARE(target.visibleRegion(), QRegion(6, 7, 1, 1));

        // Text at 2x is drawn with the font at twice the size, not enlarged.
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        Surface once = blank(30, 16);
        Surface twice = blank(30, 16, 2.0);
        for (Surface *text : {&once, &twice}) {
            text->setFont(font);
            text->textOut({2, 2}, QStringLiteral("Ag"));
        }
        const QImage enlarged =
            once.image().scaled(60, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QVERIFY(twice.image().convertToFormat(QImage::Format_RGB32) !=
                enlarged.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
