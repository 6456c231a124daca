#include "lighttab.h"

#include "captionstring.h"
#include "lighttabaccessible.h"
#include "propertybag.h"
#include "surfaceshape.h"
#include "tabsurfacewidget.h"

#include <QAccessible>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QString kCaptionName = QStringLiteral("caption");
const QString kNumberOfTabsName = QStringLiteral("numberoftabs");
const QString kActiveTabName = QStringLiteral("activetab");

// The picture boxes and the control are all filled with the button face.
QColor faceColour(const QPalette &palette)
{
    return platform::toQColor(platform::SystemColour::ButtonFace, palette);
}

qint16 boundedNumberOfTabs(qint16 count)
{
    return std::clamp<qint16>(count, 0, LightTab::kMaxTabs);
}

} // namespace

QString LightTab::defaultCaption()
{
    return QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");
}

LightTab::LightTab(QWidget *parent)
    : QWidget(parent)
    , m_caption(defaultCaption())
    , TabStrip(new TabSurfaceWidget(this))
    , HighlightTab(new TabSurfaceWidget(this))
{
    LightTabAccessible::installFactory();
    setAttribute(Qt::WA_OpaquePaintEvent);
    TabStrip->setObjectName(QStringLiteral("TabStrip"));
    HighlightTab->setObjectName(QStringLiteral("HighlightTab"));
    // The raised box is the active tab as the user sees it, so it takes the
    // clicks on it, also where it covers the edges of its neighbours: a click
    // there is a click on the active tab, which changes nothing.
    HighlightTab->raise();
    connect(TabStrip, &TabSurfaceWidget::pressed, this, &LightTab::TabStrip_MouseDown);
    resize(sizeHint());
    UserControl_Resize();
}

LightTab::~LightTab() = default;

QSize LightTab::sizeHint() const
{
    return {320, 160};
}

QString LightTab::caption(int index) const
{
    return tabstrip::captionPiece(m_caption, index);
}

void LightTab::setCaption(int index, const QString &text)
{
    if (index < 0 || (index >= kMaxTabs && tabstrip::captionCount(m_caption) <= index))
        return;
    m_caption = tabstrip::replaceCaptionPiece(m_caption, index, text);
    ensureLaidOut();
    redrawTabs();
    emit propertyChanged(QStringLiteral("Caption"));
}

void LightTab::setCaptionString(const QString &captions)
{
    m_caption = captions;
    ensureLaidOut();
    redrawTabs();
    emit propertyChanged(QStringLiteral("Caption"));
}

void LightTab::setNumberOfTabs(qint16 count)
{
    count = boundedNumberOfTabs(count);
    if (count < m_activeTab) {
        m_activeTab = 0;
        emit propertyChanged(QStringLiteral("ActiveTab"));
    }
    m_numberOfTabs = count;
    ensureLaidOut();
    redrawTabs();
    emit propertyChanged(QStringLiteral("NumberOfTabs"));
}

void LightTab::setActiveTab(qint16 index)
{
    m_activeTab = std::max<qint16>(index, 0);
    emit propertyChanged(QStringLiteral("ActiveTab"));
    ensureLaidOut();
    moveHighlight(m_activeTab, TabChangeEvent::Raise);
}

void LightTab::setAmbient(const platform::Ambient &ambient)
{
    const bool fontChanged = ambient.resolvedFont() != m_ambient.resolvedFont();
    m_ambient = ambient;
    // The captions are measured and printed in the ambient font unless the
    // strip has a font of its own; the other ambient values do not concern a
    // tab strip.
    if (fontChanged && !testAttribute(Qt::WA_SetFont)) {
        ensureLaidOut();
        redrawTabs();
    }
}

void LightTab::UserControl_InitProperties()
{
    m_caption = defaultCaption();
    m_numberOfTabs = kDefaultNumberOfTabs;
    m_activeTab = kDefaultActiveTab;
    ensureLaidOut();
    redrawTabs();
}

std::optional<platform::PropertyError>
LightTab::UserControl_ReadProperties(const platform::PropertyBag &bag)
{
    const auto captions = bag.readText(kCaptionName, defaultCaption());
    if (!captions)
        return platform::PropertyError{captions.error()};
    const auto count = bag.readInt16(kNumberOfTabsName, kDefaultNumberOfTabs);
    if (!count)
        return platform::PropertyError{count.error()};
    const auto active = bag.readInt16(kActiveTabName, kDefaultActiveTab);
    if (!active)
        return platform::PropertyError{active.error()};

    // Stored values pass the same bounds as written ones, without events.
    m_caption = captions.value();
    m_numberOfTabs = boundedNumberOfTabs(count.value());
    m_activeTab = std::max<qint16>(active.value(), 0);
    ensureLaidOut();
    redrawTabs();
    return std::nullopt;
}

void LightTab::UserControl_WriteProperties(platform::PropertyBag &bag) const
{
    bag.writeText(kCaptionName, m_caption, defaultCaption());
    bag.writeInt16(kNumberOfTabsName, m_numberOfTabs, kDefaultNumberOfTabs);
    bag.writeInt16(kActiveTabName, m_activeTab, kDefaultActiveTab);
}

const platform::Surface &LightTab::tabStripSurface() const
{
    return TabStrip->surface();
}

const platform::Surface &LightTab::highlightSurface() const
{
    return HighlightTab->surface();
}

QWidget *LightTab::tabStripWidget() const
{
    return TabStrip;
}

QWidget *LightTab::highlightWidget() const
{
    return HighlightTab;
}

bool LightTab::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (platform::mayChangeDevicePixelRatio(*event) && followDevicePixelRatio())
        UserControl_Resize();
    return handled;
}

void LightTab::paintEvent(QPaintEvent *event)
{
    // A ratio that changed without an event of its own still shows sharp.
    if (followDevicePixelRatio())
        UserControl_Resize();
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPoint(0, 0), m_surface.image());
}

bool LightTab::followDevicePixelRatio()
{
    return platform::followDevicePixelRatio(
        *this, {&m_surface, &TabStrip->surface(), &HighlightTab->surface()});
}

void LightTab::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void LightTab::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The colour table holds a system colour and the faces follow the theme.
    if (event->type() == QEvent::PaletteChange)
        UserControl_Resize();
    else if (event->type() == QEvent::FontChange && !m_surface.size().isEmpty())
        redrawTabs();
}

QFont LightTab::controlFont() const
{
    // A font set on the strip itself wins over the host's ambient font.
    return testAttribute(Qt::WA_SetFont) ? font() : m_ambient.resolvedFont();
}

void LightTab::UserControl_Resize()
{
    followDevicePixelRatio();
    m_surface.resize(size());
    TabStrip->place(QRect(kStripLeft, kStripTop, std::max(width(), 0), kStripHeight));
    m_colours = tabstrip::resolveColourTable(palette());

    m_surface.setBackColour(faceColour(palette()));
    tabstrip::drawPageBorder(m_surface, m_colours);
    redrawTabs();
    update();
}

void LightTab::ensureLaidOut()
{
    // A hidden widget gets its resize event only when shown; property writes
    // must still find the surfaces the size the control has now.
    if (m_surface.size() != size())
        UserControl_Resize();
}

void LightTab::redrawTabs()
{
    platform::Surface &strip = TabStrip->surface();
    strip.setBackColour(faceColour(palette()));
    strip.setFont(controlFont());
    strip.clear();

    // The row's left edges reach the bottom only when the first tab is the
    // active one, so its raised box runs straight into the page border.
    const int bottomOffset = m_activeTab == 0 ? 0 : 1;
    m_row.clear();
    for (int k = 0; k < m_numberOfTabs; ++k) {
        const QString text = caption(k);
        m_row.append(strip.textSize(text).width() + 15);
        const int left = m_row.left(k);
        tabstrip::drawTabOutline(strip, left, left + m_row.width(k), bottomOffset, 0, m_colours);
        strip.textOut({left + 5, 3}, text);
    }
    TabStrip->update();
    moveHighlight(m_activeTab, TabChangeEvent::Silent);
}

void LightTab::moveHighlight(int index, TabChangeEvent event)
{
    if (index < m_row.count()) {
        const QRect strip = TabStrip->geometry();
        HighlightTab->place(QRect(m_row.left(index) - 1, strip.top() - 2, m_row.width(index) + 6,
                                  strip.height() + 4));
        platform::Surface &box = HighlightTab->surface();
        box.setBackColour(faceColour(palette()));
        box.setFont(controlFont());
        box.clear();
        const int bottomOffset = m_activeTab == 0 ? 0 : 2;
        tabstrip::drawTabOutline(box, 0, box.width(), bottomOffset, 1, m_colours);
        if (!m_caption.isEmpty())
            box.textOut({9, 4}, caption(index));
        HighlightTab->show();
        HighlightTab->update();
    } else {
        // No tab of that index is drawn, so none is raised.
        HighlightTab->hide();
    }
    if (event == TabChangeEvent::Raise) {
        // A screen reader hears which tab is now the selected one.
        QAccessibleEvent selected(this, QAccessible::Selection);
        selected.setChild(index);
        QAccessible::updateAccessibility(&selected);
        emit AfterTabChange(static_cast<qint16>(index));
    }
}

void LightTab::TabStrip_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF position)
{
    const std::optional<int> hit = m_row.hitTest(position.x());
    if (!hit || *hit == m_activeTab)
        return;
    m_activeTab = static_cast<qint16>(*hit);
    emit propertyChanged(QStringLiteral("ActiveTab"));
    moveHighlight(*hit, TabChangeEvent::Raise);
}
