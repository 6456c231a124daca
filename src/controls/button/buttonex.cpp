#include "buttonex.h"

#include "accesskey.h"
#include "buttonexaccessible.h"
#include "inputcodes.h"
#include "surfaceshape.h"
#include "twips.h"

#include <QAccessible>
#include <QKeySequence>
#include <QPainter>

namespace State = button::State;

namespace {
// The size a new control gets, in twips.
constexpr double NewWidthTwips = 1200;
constexpr double NewHeightTwips = 360;
} // namespace

ButtonEx::ButtonEx(QWidget *parent)
    : QWidget(parent)
    , m_hover(new HoverTracker(this))
{
    ButtonExAccessible::installFactory();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Moves with no button held are what start the hover tracking.
    setMouseTracking(true);
    // Whether a drop is taken is the OLE handlers' answer, not the drop mode's.
    setAcceptDrops(true);
    connect(m_hover, &HoverTracker::pointerLeft, this, &ButtonEx::pointerLeft);

    resize(platform::twipsToPixelX(NewWidthTwips), platform::twipsToPixelY(NewHeightTwips));
    m_surface.resize(size());
    initProperties();
}

ButtonEx::~ButtonEx() = default;

void ButtonEx::initProperties()
{
    // Through the setters, in the order a load applies them.
    const button::ButtonProperties d;
    setAllowDefault(d.allowDefault);
    setAllowFocus(d.allowFocus);
    setAppearance(d.appearance);
    setBackColor(d.backColor);
    setBorderStyle(d.borderStyle);
    setCaption(d.caption);
    setCaptionOffsetX(d.captionOffsetX);
    setCaptionOffsetY(d.captionOffsetY);
    setControlEnabled(d.enabled);
    setForeColor(d.foreColor);
    setControlFont(m_ambient.resolvedFont());
    setHighlightColor(d.highlightColor);
    setHighlightPicture(d.highlightPicture);
    setMouseIcon(d.mouseIcon);
    setMousePointer(d.mousePointer);
    setOleDropMode(d.oleDropMode);
    setPicture(d.picture);
    setPictureDisabled(d.pictureDisabled);
    setPictureDown(d.pictureDown);
    setPictureFocus(d.pictureFocus);
    setPictureOffsetX(d.pictureOffsetX);
    setPictureOffsetY(d.pictureOffsetY);
    setPictureOver(d.pictureOver);
    setRightToLeft(d.rightToLeft);
    setSkinDisabled(d.skinDisabled);
    setSkinDown(d.skinDown);
    setSkinFocus(d.skinFocus);
    setSkinOver(d.skinOver);
    setSkinUp(d.skinUp);
    setButtonStyle(d.style);
    setToolTipText(d.toolTipText);
    setTransparentColor(d.transparentColor);
    setValue(d.value);
    setWhatsThisHelpID(d.whatsThisHelpID);
}

void ButtonEx::changed(const char *name)
{
    // A screen reader hears a new caption, and a toggle's new state.
    if (qstrcmp(name, "Caption") == 0) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    } else if (qstrcmp(name, "Value") == 0 && m_p.style == button::Style::Toggle) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(this, checked);
        QAccessible::updateAccessibility(&event);
    }
    emit propertyChanged(QString::fromLatin1(name));
}

void ButtonEx::repaintCurrent()
{
    Redraw(m_pendingState.value_or(m_drawState));
}

const platform::Surface *ButtonEx::hdc() const
{
    drawPending();
    return &m_surface;
}

const platform::Surface &ButtonEx::surface() const
{
    drawPending();
    return m_surface;
}

const ButtonPainter &ButtonEx::painter() const
{
    drawPending();
    return m_painter;
}

int ButtonEx::drawState() const
{
    drawPending();
    return m_drawState;
}

void ButtonEx::drawPending() const
{
    if (!m_pendingState)
        return;
    const int state = *m_pendingState;
    m_pendingState.reset();
    // The face is a cache of the properties: drawing it late changes nothing
    // the caller asked for.
    const_cast<ButtonEx *>(this)->drawFace(state);
}

// --- setters -------------------------------------------------------------------

void ButtonEx::setCaption(const QString &caption)
{
    m_p.caption = caption;
    if (const std::optional<QString> key = button::accessKeyOf(caption)) {
        m_accessKey = *key;
        applyAccessKey();
    }
    repaintCurrent();
    changed("Caption");
}

void ButtonEx::setControlEnabled(bool enabled)
{
    m_p.enabled = enabled;
    QWidget::setEnabled(enabled);
    if (enabled) {
        m_drawState = State::Up;
        if (m_pendingState)
            m_pendingState = State::Up;
    }
    repaintCurrent();
    changed("Enabled");
}

void ButtonEx::setControlFont(const QFont &font)
{
    m_p.font = font;
    // Held whole, so that the parent's font never reaches the widget's and
    // every later font change on it is one asked of the button.
    QFont own = font;
    own.setResolveMask(QFont::AllPropertiesResolved);
    QWidget::setFont(own);
    repaintCurrent();
    changed("Font");
}

void ButtonEx::setMouseIcon(const Picture &icon)
{
    m_p.mouseIcon = icon;
    applyCursor();
    changed("MouseIcon");
}

void ButtonEx::setMousePointer(int pointer)
{
    m_p.mousePointer = pointer;
    applyCursor();
    changed("MousePointer");
}

void ButtonEx::setToolTipText(const QString &text)
{
    m_p.toolTipText = text;
    // Shown for the whole button, which is what a user hovering it expects.
    setToolTip(text);
    changed("ToolTipText");
}

void ButtonEx::setValue(int value)
{
    m_p.value = value;
    Redraw(value);
    changed("Value");
}

void ButtonEx::applyCursor()
{
    if (const std::optional<QCursor> cursor = button::cursorFor(m_p.mousePointer, m_p.mouseIcon))
        setCursor(*cursor);
    else
        unsetCursor();
}

void ButtonEx::applyAccessKey()
{
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    // A form designer's own Alt shortcuts come first while it edits the form.
    if (m_accessKey.isEmpty() || !m_ambient.userMode)
        return;
    const QKeySequence sequence(
        QKeyCombination(Qt::AltModifier, Qt::Key(m_accessKey.at(0).toUpper().unicode())));
    m_shortcutId = grabShortcut(sequence, Qt::WindowShortcut);
}

void ButtonEx::setAmbient(const platform::Ambient &ambient)
{
    const bool defaultChanged = ambient.displayAsDefault != m_ambient.displayAsDefault;
    const bool modeChanged = ambient.userMode != m_ambient.userMode;
    m_ambient = ambient;
    if (modeChanged)
        applyAccessKey();
    if (defaultChanged) {
        m_focusLook = ambient.displayAsDefault;
        repaintCurrent();
    }
}

// --- methods -------------------------------------------------------------------

void ButtonEx::Refresh()
{
    update();
}

void ButtonEx::DrawHighlight()
{
    drawPending();
    const QColor saved = m_surface.foreColour();
    m_surface.setForeColour(Qt::black);
    m_surface.drawFocusRect(QRect(0, 0, m_surface.width(), m_surface.height()));
    m_surface.setForeColour(saved);
    Refresh();
}

void ButtonEx::ClearHighlight()
{
    repaintCurrent();
}

void ButtonEx::Redraw(int state)
{
    if (m_lastHoverEvent == QLatin1String("MouseExit") && state == State::Down)
        return;
    // A skin sets the button's size, which its host may read before it shows.
    if (!isVisible() && m_p.appearance != button::Appearance::Skinned) {
        m_pendingState = state;
        return;
    }
    m_pendingState.reset();
    drawFace(state);
}

void ButtonEx::drawFace(int state)
{
    const bool pointerHasLeft = m_lastHoverEvent == QLatin1String("MouseExit");
    platform::followDevicePixelRatio(*this, {&m_surface});
    if (m_surface.size() != size())
        m_surface.resize(size());

    ButtonPainter::Context context;
    context.state = state;
    context.focusShown = m_focusLook && m_ambient.userMode;
    context.pointerHasLeft = pointerHasLeft;
    context.palette = palette();
    context.twips = platform::twipsPerPixel(screen());
    const ButtonPainter::Result result = m_painter.paint(m_surface, m_p, context);
    m_drawState = result.drawState;

    platform::applySurfaceShape(*this, m_surface);
    update();
    // After the face is finished: the resize repaints once more at the new size.
    if (result.skinSize && *result.skinSize != size())
        resize(*result.skinSize);
}

void ButtonEx::paintEvent(QPaintEvent *)
{
    drawPending();
    // A ratio that changed without an event of its own still shows sharp.
    if (platform::followDevicePixelRatio(*this, {&m_surface}))
        repaintCurrent();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_surface.image());
}

void ButtonEx::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        // What was asked of this button alone, not what its parent passes on.
        const bool asked = !testAttribute(Qt::WA_ForceDisabled);
        if (asked != m_p.enabled)
            setControlEnabled(asked);
    } else if (event->type() == QEvent::FontChange && font() != m_p.font) {
        setControlFont(font());
    }
}

void ButtonEx::resizeEvent(QResizeEvent *)
{
    platform::followDevicePixelRatio(*this, {&m_surface});
    m_surface.resize(size());
    Redraw(State::Up);
    RaiseNamedEvent(QStringLiteral("Resize"));
}

float ButtonEx::twipsX(double pixels) const
{
    return static_cast<float>(platform::pixelsToTwipsX(pixels, screen()));
}

float ButtonEx::twipsY(double pixels) const
{
    return static_cast<float>(platform::pixelsToTwipsY(pixels, screen()));
}
