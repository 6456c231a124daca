#include "velcprog.h"

#include "dialgeometry.h"
#include "dialpainter.h"
#include "surfaceshape.h"
#include "velcprogaccessible.h"

#include <QEvent>
#include <QMetaClassInfo>
#include <QPaintEvent>
#include <QPainter>

#include <limits>

VelCProg::VelCProg(QWidget *parent)
    : VelCProg(platform::Ambient{}, parent)
{}

VelCProg::VelCProg(const platform::Ambient &ambient, QWidget *parent)
    : QWidget(parent)
    , m_ambient(ambient)
{
    VelCProgAccessible::installFactory();
    // Every pixel comes from the surface image, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    initProperties();
}

VelCProg::~VelCProg() = default;

QString VelCProg::helpText(const QString &name)
{
    const QByteArray key = "Help." + name.toLatin1();
    const int index = staticMetaObject.indexOfClassInfo(key.constData());
    if (index < 0)
        return {};
    return QString::fromLatin1(staticMetaObject.classInfo(index).value());
}

void VelCProg::initProperties()
{
    m_p = DialProperties{};
    m_surface.setFont(m_ambient.resolvedFont());
    applySurfaceColours();
    StretchPictures();
}

platform::TwipsPerPixel VelCProg::twipsPerPixel() const
{
    return platform::twipsPerPixel(screen());
}

QRect VelCProg::clientRect() const
{
    // The sunken border takes one pixel on each side.
    return m_inset ? rect().adjusted(1, 1, -1, -1) : rect();
}

bool VelCProg::holdsImage(const std::optional<QImage> &picture)
{
    return picture && !picture->isNull();
}

void VelCProg::report(const char *name)
{
    emit propertyChanged(QString::fromLatin1(name));
}

// --- size ----------------------------------------------------------------------

void VelCProg::syncSize() const
{
    // Qt holds back the resize events of a hidden widget until it is shown;
    // a host that lays the dial out before showing it still expects the dial
    // to have followed the new size before it touches the dial again.
    if (m_surface.size() != clientRect().size().expandedTo(QSize(0, 0)))
        const_cast<VelCProg *>(this)->handleResize(Refit::WhenAutoSize);
}

void VelCProg::handleResize(Refit refit)
{
    platform::followDevicePixelRatio(*this, {&m_surface, &m_picStretch});
    resizeSurfaces();
    if (m_p.autoSize && refit == Refit::WhenAutoSize)
        CenterAndSize();
    if (holdsImage(m_picBack) || holdsImage(m_picMask))
        StretchPictures();
    Repaint();
}

void VelCProg::resizeSurfaces()
{
    const QSize client = clientRect().size().expandedTo(QSize(0, 0));
    m_surface.resize(client);
    m_picStretch.resize(client);
    if (m_inset && !size().isEmpty()) {
        m_frame.setDevicePixelRatio(m_surface.devicePixelRatio());
        m_frame.resize(size());
        QRect ring(QPoint(0, 0), m_frame.size());
        m_frame.drawEdge(ring, platform::Edge::SunkenOuter, platform::EdgeFlag::Rect);
    } else {
        m_frame = platform::Surface();
    }
}

void VelCProg::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Also when the size was already followed while hidden: the first sizing
    // after a load refits the dial.
    handleResize(Refit::WhenAutoSize);
}

void VelCProg::CenterAndSize()
{
    const dial::DialCentre centre =
        dial::CenterAndSize({m_surface.size(), size(), twipsPerPixel(), m_p.borderWidth,
                             m_p.tickStyle, m_p.tickPosition, m_p.tickSize});
    m_p.xCenter = centre.xCenter;
    m_p.yCenter = centre.yCenter;
    m_p.radius = centre.radius;
}

void VelCProg::refit()
{
    if (m_p.autoSize)
        CenterAndSize();
}

// --- pictures and masks ------------------------------------------------------------

void VelCProg::StretchPictures()
{
    const QRect whole(QPoint(0, 0), m_picStretch.size());
    if (holdsImage(m_picBack)) {
        if (m_picStretch.stretchMode() != platform::StretchMode::Halftone)
            m_picStretch.setStretchMode(platform::StretchMode::Halftone);
        m_picStretch.stretchBlt(whole, *m_picBack, m_picBack->rect());
        m_surface.setBackgroundPicture(m_picStretch.image());
    }
    if (!holdsImage(m_picMask))
        return;
    if (m_picStretch.stretchMode() != platform::StretchMode::Halftone)
        m_picStretch.setStretchMode(platform::StretchMode::Halftone);
    m_picStretch.stretchBlt(whole, *m_picMask, m_picMask->rect());
    m_surface.setMaskPicture(m_picStretch.image());
}

void VelCProg::applySurfaceColours()
{
    m_surface.setBackColour(platform::toQColor(m_p.backColor, palette()));
    m_surface.setMaskColour(platform::toQColor(m_p.maskColor, palette()));
}

void VelCProg::updateShape()
{
    const std::optional<QImage> &maskPicture = m_surface.maskPicture();
    // A transparent dial without a mask picture has nothing to cut it to
    // shape, so it stays whole rather than vanishing.
    if (!m_surface.isTransparent() || !maskPicture || maskPicture->isNull()) {
        if (!mask().isEmpty())
            clearMask();
        m_shapeKey = {};
        return;
    }
    const ShapeKey key{maskPicture->cacheKey(), m_surface.maskColour().rgb(), size(), m_inset};
    if (key == m_shapeKey)
        return;
    m_shapeKey = key;
    QRegion region = m_surface.visibleRegion().translated(clientRect().topLeft());
    if (m_inset)
        region += QRegion(rect()).subtracted(QRegion(clientRect()));
    // An empty region would mean "no mask" to Qt; one outside the widget
    // keeps it wholly see-through instead.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    setMask(region);
}

void VelCProg::AutoSizeToPicture()
{
    syncSize();
    if (!holdsImage(m_picBack))
        return;
    const platform::TwipsPerPixel factors = twipsPerPixel();
    double heightTwips = static_cast<double>(dial::roundHalfEven(m_picBack->height() * factors.y));
    double widthTwips = static_cast<double>(dial::roundHalfEven(m_picBack->width() * factors.x));
    if (m_inset) {
        heightTwips += 2 * factors.y;
        widthTwips += 2 * factors.x;
    }
    // Height first, then width, each a size change of its own.
    resize(width(), platform::twipsToPixelY(heightTwips, screen()));
    syncSize();
    resize(platform::twipsToPixelX(widthTwips, screen()), height());
    syncSize();
}

// --- drawing ---------------------------------------------------------------------

void VelCProg::Repaint()
{
    // A masked dial's shape is the window's mask, which its host may read
    // before showing it: that one draws at once.
    if (!isVisible() && !m_surface.isTransparent()) {
        m_drawPending = true;
        return;
    }
    drawDial();
}

void VelCProg::drawPending() const
{
    if (m_drawPending)
        const_cast<VelCProg *>(this)->drawDial();
}

void VelCProg::drawDial()
{
    m_drawPending = false;
    syncSize();
    followDevicePixelRatio();
    // System colours are looked up afresh, so a palette change shows on the
    // next redraw.
    applySurfaceColours();
    DialPainter(m_p, palette(), twipsPerPixel()).paint(m_surface);
    updateShape();
    update();
}

void VelCProg::RecheckColors()
{
    m_p.resolvedStartColor = platform::TranslateColor(m_p.startColor, palette());
    m_p.resolvedMidColor = platform::TranslateColor(m_p.midColor, palette());
    m_p.resolvedEndColor = platform::TranslateColor(m_p.endColor, palette());
}

void VelCProg::followDevicePixelRatio()
{
    // The surfaces start afresh at the new resolution: the frame and the
    // stretched pictures are made again, then the dial is drawn (geometry
    // stays as it is: it is in logical pixels).
    if (!platform::followDevicePixelRatio(*this, {&m_surface, &m_picStretch}))
        return;
    handleResize(Refit::Never);
}

bool VelCProg::event(QEvent *event)
{
    if (event->type() == QEvent::Show)
        drawPending();
    const bool handled = QWidget::event(event);
    if (platform::mayChangeDevicePixelRatio(*event))
        followDevicePixelRatio();
    return handled;
}

void VelCProg::paintEvent(QPaintEvent *event)
{
    // Only shows what the last redraw left; nothing is drawn here, unless the
    // ratio changed without an event of its own.
    followDevicePixelRatio();
    drawPending();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    if (m_inset && !m_frame.image().isNull())
        painter.drawImage(QPoint(0, 0), m_frame.image());
    painter.drawImage(clientRect().topLeft(), m_surface.image());
}

void VelCProg::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_surface.size().isEmpty())
        Repaint();
    else if (event->type() == QEvent::FontChange && testAttribute(Qt::WA_SetFont) &&
             font() != m_surface.font())
        setControlFont(font());
}

qulonglong VelCProg::hwnd() const
{
    // The window the dial draws in; asking must not make the dial (and with
    // it its siblings) a native window of its own.
    return static_cast<qulonglong>(effectiveWinId());
}

const platform::Surface &VelCProg::surface() const
{
    syncSize();
    drawPending();
    return m_surface;
}

const QImage &VelCProg::stretchedImage() const
{
    syncSize();
    return m_picStretch.image();
}
