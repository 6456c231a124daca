#pragma once

#include "colour.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace platform {

// Edge kinds and flags for Surface::drawEdge, with the desktop's classic values
// so that stored or computed codes can be passed straight through.
namespace Edge {
inline constexpr unsigned RaisedOuter = 0x0001;
inline constexpr unsigned SunkenOuter = 0x0002;
inline constexpr unsigned RaisedInner = 0x0004;
inline constexpr unsigned SunkenInner = 0x0008;
inline constexpr unsigned Outer = RaisedOuter | SunkenOuter;
inline constexpr unsigned Inner = RaisedInner | SunkenInner;
inline constexpr unsigned Raised = RaisedOuter | RaisedInner;
inline constexpr unsigned Sunken = SunkenOuter | SunkenInner;
inline constexpr unsigned Etched = SunkenOuter | RaisedInner;
inline constexpr unsigned Bump = RaisedOuter | SunkenInner;
} // namespace Edge

namespace EdgeFlag {
inline constexpr unsigned Left = 0x0001;
inline constexpr unsigned Top = 0x0002;
inline constexpr unsigned Right = 0x0004;
inline constexpr unsigned Bottom = 0x0008;
inline constexpr unsigned Rect = Left | Top | Right | Bottom;
inline constexpr unsigned Adjust = 0x2000; // shrink the rectangle by what was drawn
inline constexpr unsigned Flat = 0x4000;   // one shadow-coloured ring
inline constexpr unsigned Mono = 0x8000;   // one window-frame-coloured ring
} // namespace EdgeFlag

// Raster operations of bitBlt: how a source pixel s combines with the
// destination pixel d (bitwise on the 24-bit colour).
enum class RasterOp {
    SrcCopy,    // s
    SrcAnd,     // d & s
    SrcInvert,  // d ^ s
    SrcPaint,   // d | s
    NotSrcCopy, // ~s
};

enum class FillStyle { Solid, Transparent };

// Colour surfaces hold any colour; monochrome ones hold only black and white.
// Copying colour into monochrome turns pixels of the source's background
// colour white and all others black; copying monochrome into colour turns
// white into the destination's background colour and black into its
// foreground colour.
enum class SurfaceFormat { Colour, Monochrome };

enum class StretchMode { ColourOnColour, Halftone };

// Text drawn by drawStateText: an "&" underlines the next character ("&&" is a
// literal ampersand); Disabled embosses it in the 3-D highlight and shadow
// colours; RightToLeft lays it out right to left.
namespace TextState {
inline constexpr unsigned Prefix = 0x1;
inline constexpr unsigned Disabled = 0x2;
inline constexpr unsigned RightToLeft = 0x4;
} // namespace TextState

// A control's persistent drawing: an image that keeps what is drawn on it until
// the next redraw, with the drawing state and pixel rules of the classic
// desktop graphics interface, so that controls can follow exact pixel paths:
// lineTo leaves out the end pixel, ellipse and rectangle boxes leave out their
// right and bottom edges, arcs run counter-clockwise. Pens wider than one pixel
// have round ends. Lines and shapes are drawn without antialiasing; text is
// drawn with the font's normal rendering.
//
// Coordinates and sizes are logical pixels throughout. The image itself holds
// device pixels: at a device pixel ratio above 1 (a high-density screen) lines,
// shapes, text and pictures are drawn at the screen's own resolution, while
// everything a control computes from the surface (sizes, hit tests, shapes)
// stays in logical pixels. At a ratio of 1 every pixel is exactly what the
// rules above give.
//
// The surface also carries what makes a control see-through: a background
// picture drawn unscaled at the top left on every clear, a mask picture, a
// mask colour and a transparency switch. While transparent, the control shows
// only where the mask picture differs from the mask colour (visibleRegion()).
class Surface
{
public:
    explicit Surface(QSize size = {}, SurfaceFormat format = SurfaceFormat::Colour,
                     qreal devicePixelRatio = 1.0);

    SurfaceFormat format() const { return m_format; }
    QSize size() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }

    // Changes the size; the new image starts cleared (background colour, then
    // the background picture).
    void resize(QSize size);

    // Device pixels per logical pixel, fractions included. A change makes a
    // new, cleared image of the same logical size.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_dpr; }

    // The image as it stands, in device pixels (its own devicePixelRatio set,
    // so that a painter draws it at its logical size), for painting the
    // widget and for snapshots.
    const QImage &image() const { return m_image; }

    // --- drawing state -------------------------------------------------------
    // Colours are resolved (no system colours): callers pass toQColor(...).
    void setBackColour(const QColor &colour) { m_back = opaque(colour); }
    QColor backColour() const { return m_back; }
    // Pen and text colour.
    void setForeColour(const QColor &colour) { m_fore = opaque(colour); }
    QColor foreColour() const { return m_fore; }
    void setPenWidth(int pixels) { m_penWidth = pixels < 1 ? 1 : pixels; }
    int penWidth() const { return m_penWidth; }
    void setFillColour(const QColor &colour) { m_fill = opaque(colour); }
    QColor fillColour() const { return m_fill; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFont(const QFont &font) { m_font = font; }
    const QFont &font() const { return m_font; }
    void setStretchMode(StretchMode mode) { m_stretchMode = mode; }
    StretchMode stretchMode() const { return m_stretchMode; }

    // --- see-through support ------------------------------------------------
    // nullopt = no picture; a null QImage = an empty picture (draws nothing).
    void setBackgroundPicture(std::optional<QImage> picture);
    const std::optional<QImage> &backgroundPicture() const { return m_backgroundPicture; }
    void setMaskPicture(std::optional<QImage> picture);
    const std::optional<QImage> &maskPicture() const { return m_maskPicture; }
    void setMaskColour(const QColor &colour) { m_maskColour = opaque(colour); }
    QColor maskColour() const { return m_maskColour; }
    void setTransparent(bool transparent) { m_transparent = transparent; }
    bool isTransparent() const { return m_transparent; }
    // Where a transparent surface shows: the mask picture's pixels that differ
    // from the mask colour (nothing when there is no mask picture). Opaque
    // surfaces show everywhere. Widgets take it through applySurfaceShape()
    // (platform/surfaceshape.h), which also handles the empty region.
    QRegion visibleRegion() const;

    // --- operations ------------------------------------------------------------
    // Fills with the background colour, then draws the background picture
    // unscaled at (0, 0).
    void clear();
    void fillRect(const QRect &rect, const QColor &colour);

    void moveTo(QPoint point) { m_position = point; }
    QPoint currentPosition() const { return m_position; }
    // Draws from the current position to point, leaving out point itself when
    // the pen is one pixel wide; the current position becomes point.
    void lineTo(QPoint point);
    void line(QPoint from, QPoint to)
    {
        moveTo(from);
        lineTo(to);
    }
    // Box edges left/top included, right/bottom excluded; outline in the pen,
    // interior filled when the fill style is solid.
    void ellipse(int left, int top, int right, int bottom);
    void rectangle(int left, int top, int right, int bottom);
    // The outline of the ellipse of the box, counter-clockwise from the radial
    // through start to the radial through end; equal radials draw it whole.
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end);

    // Text with its top-left corner at point, in the foreground colour, no
    // background box.
    void textOut(QPoint point, const QString &text);
    // Width and height of text in the surface font, in pixels.
    QSize textSize(const QString &text) const;
    // Text with the TextState flags; mnemonic "&"s are not measured.
    void drawStateText(QPoint point, const QString &text, unsigned flags);

    // A 3-D edge in the palette's light, highlight, shadow and dark shadow
    // colours (or one ring for Flat/Mono). With EdgeFlag::Adjust, rect is
    // shrunk by the rings drawn.
    void drawEdge(QRect &rect, unsigned edge, unsigned flags);
    // The dotted focus rectangle: every other pixel of the outline inverted,
    // so drawing it twice removes it. rect as left, top, right, bottom
    // exclusive (QRect(QPoint(l, t), QPoint(r - 1, b - 1))).
    void drawFocusRect(const QRect &rect);

    // Copies a w-by-h block of source from sourcePoint to destPoint.
    void bitBlt(QPoint destPoint, QSize size, const Surface &source, QPoint sourcePoint,
                RasterOp op);
    // Copies sourceRect of source onto destRect, scaled, smoothly in Halftone.
    void stretchBlt(const QRect &destRect, const QImage &source, const QRect &sourceRect);

    // The colour at logical (x, y) as 0x00BBGGRR (its top-left device pixel),
    // or 0xFFFFFFFF outside the surface.
    OleColour pixel(int x, int y) const;
    QRgb rgb(int x, int y) const { return m_image.pixel(devicePoint(x, y)); }
    // Paints every device pixel of logical (x, y).
    void setPixel(int x, int y, const QColor &colour);

private:
    static QColor opaque(const QColor &colour);
    bool atDeviceScale() const { return m_dpr != 1.0; }
    QPoint devicePoint(int x, int y) const;
    // The device pixels that cover a logical rectangle.
    QRect deviceRect(const QRect &logical) const;
    void strokeScaledLine(QPoint from, QPoint to);
    void centreOnPixels(QPainter &painter) const;
    void bitBltScaled(const QRect &dst, const Surface &source, QPoint sourceOrigin, RasterOp op);
    QColor paletteColour(int index) const;
    void plotThinLine(QPoint from, QPoint to);
    void strokeWideLine(QPoint from, QPoint to);
    void drawRing(const QRect &rect, const QColor &topLeft, const QColor &bottomRight,
                  unsigned flags);

    SurfaceFormat m_format;
    qreal m_dpr = 1.0;
    QSize m_size;
    QImage m_image;
    QColor m_back = Qt::white;
    QColor m_fore = Qt::black;
    QColor m_fill = Qt::black;
    int m_penWidth = 1;
    FillStyle m_fillStyle = FillStyle::Transparent;
    QFont m_font;
    StretchMode m_stretchMode = StretchMode::ColourOnColour;
    QPoint m_position;
    std::optional<QImage> m_backgroundPicture;
    std::optional<QImage> m_maskPicture;
    QColor m_maskColour = Qt::black;
    bool m_transparent = false;
    // The pixels of a round line end for the pen width they were made for.
    int m_discWidth = 0;
    std::vector<QPoint> m_disc;
};

} // namespace platform
