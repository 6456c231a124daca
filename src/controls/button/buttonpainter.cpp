#include "buttonpainter.h"

#include "accesskey.h"
#include "picturecompositor.h"
#include "skinsize.h"

using button::ButtonProperties;
using button::Picture;
using platform::Surface;
namespace State = button::State;
namespace Appearance = button::Appearance;
namespace Edge = platform::Edge;
namespace EdgeFlag = platform::EdgeFlag;

namespace {

constexpr platform::OleColour KeyFromPicture = 0xFFFFFFFF; // -1 as a stored Long

QColor resolve(platform::OleColour colour, const QPalette &palette)
{
    return platform::toQColor(colour, palette);
}

// The key colour of a transparent copy; -1 takes the source's pixel (1, 1).
QColor keyColour(platform::OleColour colour, const Surface &source, const QPalette &palette)
{
    if (colour == KeyFromPicture)
        return platform::toQColor(source.pixel(1, 1));
    return resolve(colour, palette);
}

// The state's own picture when it holds an object, else the fallback.
const Picture &statePicture(int state, const Picture &fallback, const Picture &down,
                            const Picture &over, const Picture &disabled, const Picture &focus)
{
    const Picture *chosen = nullptr;
    switch (state) {
    case State::Down:
        chosen = &down;
        break;
    case State::Over:
        chosen = &over;
        break;
    case State::Disabled:
        chosen = &disabled;
        break;
    case State::Focus:
        chosen = &focus;
        break;
    default:
        break;
    }
    return chosen && chosen->has_value() ? *chosen : fallback;
}

} // namespace

ButtonPainter::Result ButtonPainter::paint(Surface &surface, const ButtonProperties &p,
                                           const Context &context)
{
    surface.setBackgroundPicture(std::nullopt);
    surface.setMaskPicture(std::nullopt);
    surface.setBackColour(resolve(p.backColor, context.palette));
    surface.setForeColour(resolve(p.foreColor, context.palette));
    surface.setFont(p.font);
    surface.clear();

    int state = context.state;
    if (p.style == button::Style::Toggle) {
        if (p.value == State::Down)
            state = State::Down;
        else if (state != State::Over)
            state = State::Up;
    }

    Result result;
    if (p.appearance == Appearance::Skinned && p.skinUp.has_value())
        result = drawSkin(surface, p, state, context.focusShown, context);
    else
        result.drawState = drawFace(surface, p, state, context.focusShown, context.palette);

    drawPicture(surface, p, state, context.palette);
    drawCaption(surface, p, state, context);
    return result;
}

int ButtonPainter::drawFace(Surface &surface, const ButtonProperties &p, int state, bool focusShown,
                            const QPalette &palette)
{
    surface.setTransparent(false);
    const button::BorderEdges edges = button::bordersFor(p.borderStyle);
    const int w = surface.width();
    const int h = surface.height();
    QRect rect(0, 0, w, h);
    const bool defaultFrame = focusShown && p.allowDefault;
    auto drawDefaultFrame = [&] {
        if (defaultFrame)
            surface.drawEdge(rect, Edge::Outer, EdgeFlag::Rect | EdgeFlag::Adjust | EdgeFlag::Mono);
    };

    switch (state) {
    case State::Up:
        if (p.appearance == Appearance::ThreeD && p.borderStyle != 0) {
            drawDefaultFrame();
            surface.drawEdge(rect, edges.raised, EdgeFlag::Rect);
        } else if (p.appearance == Appearance::Flat && p.borderStyle == 4) {
            drawDefaultFrame();
            const QColor saved = surface.foreColour();
            surface.setForeColour(resolve(platform::SystemColour::GrayText, palette));
            surface.line({0, 0}, {w - 1, 0});
            surface.line({0, 0}, {0, h});
            surface.line({w - 1, 0}, {w - 1, h});
            surface.line({0, h - 1}, {w - 1, h - 1});
            surface.setForeColour(saved);
        } else {
            // A face with no edge at rest shows no focus either.
            focusShown = false;
        }
        break;
    case State::Over:
        drawDefaultFrame();
        surface.drawEdge(rect, edges.raised, EdgeFlag::Rect);
        break;
    case State::Down:
        if (p.borderStyle == 0)
            break;
        if (defaultFrame) {
            drawDefaultFrame();
            surface.drawEdge(rect, Edge::SunkenOuter, EdgeFlag::Rect | EdgeFlag::Flat);
        } else {
            surface.drawEdge(rect, edges.pressed, EdgeFlag::Rect);
        }
        break;
    default:
        break;
    }

    if (p.allowFocus && focusShown) {
        const QColor saved = surface.foreColour();
        surface.setForeColour(Qt::black);
        surface.drawFocusRect(QRect(QPoint(4, 4), QPoint(w - 4 - 1, h - 4 - 1)));
        surface.setForeColour(saved);
    }
    return state;
}

ButtonPainter::Result ButtonPainter::drawSkin(Surface &surface, const ButtonProperties &p,
                                              int state, bool focusShown, const Context &context)
{
    Result result;
    result.drawState = state;
    if (!p.enabled) {
        state = State::Disabled;
        result.drawState = State::Disabled;
    } else if (focusShown && state == State::Up) {
        state = State::Focus;
    }

    const Picture &skin =
        statePicture(state, p.skinUp, p.skinDown, p.skinOver, p.skinDisabled, p.skinFocus);
    if (!button::hasImage(skin)) {
        // No skin to take a shape from (a new button's state skins are empty
        // pictures): the plain rectangle, caption and picture still show and
        // take clicks, rather than the whole button turning see-through.
        surface.setTransparent(false);
        return result;
    }

    surface.setTransparent(true);
    surface.setBackgroundPicture(skin);
    surface.setMaskPicture(skin);
    if (p.transparentColor == KeyFromPicture)
        surface.setMaskColour(skin->width() > 1 && skin->height() > 1
                                  ? QColor::fromRgb(skin->pixel(1, 1))
                                  : QColor(Qt::black));
    else
        surface.setMaskColour(resolve(p.transparentColor, context.palette));
    surface.clear();
    result.skinSize = button::skinPixelSize(*skin, context.twips);
    return result;
}

void ButtonPainter::putOnPictureSurface(const Picture &picture, const QColor &back)
{
    const bool same = m_pictureImage.has_value() == picture.has_value() &&
                      (!picture || picture->cacheKey() == m_pictureImage->cacheKey()) &&
                      m_picture.backColour() == back;
    if (same)
        return;
    m_pictureImage = picture;
    m_picture.setBackColour(back);
    if (button::hasImage(picture)) {
        m_picture.setBackgroundPicture(*picture);
        m_picture.resize(picture->size());
    } else {
        m_picture.setBackgroundPicture(std::nullopt);
        m_picture.resize(QSize());
    }
    m_picture.clear();
}

void ButtonPainter::drawPicture(Surface &surface, const ButtonProperties &p, int state,
                                const QPalette &palette)
{
    if (!p.enabled)
        state = State::Disabled;
    const Picture &picture = statePicture(state, p.picture, p.pictureDown, p.pictureOver,
                                          p.pictureDisabled, p.pictureFocus);
    putOnPictureSurface(picture, surface.backColour());
    if (!button::hasImage(picture))
        return;

    const int h = surface.height();
    const int ph = m_picture.height();
    int x = 0;
    int y = 0;
    if (p.appearance == Appearance::Skinned) {
        y = std::max(0, h / 2 - ph / 2);
    } else {
        x = 6;
        y = std::max(6, h / 2 - ph / 2);
    }
    if (state == State::Down) {
        ++x;
        ++y;
    }
    x += p.pictureOffsetX;
    y += p.pictureOffsetY;
    m_pictureOrigin = QPoint(x, y);

    const QSize size = m_picture.size();
    if (p.highlightPicture && (state == State::Down || state == State::Over)) {
        button::paintHighlightSilhouette(surface, m_picture, m_pictureOrigin, size,
                                         resolve(p.highlightColor, palette));
    } else {
        button::blitTransparent(surface, m_picture, m_pictureOrigin, QPoint(0, 0), size,
                                keyColour(p.transparentColor, m_picture, palette));
    }
}

void ButtonPainter::drawCaption(Surface &surface, const ButtonProperties &p, int state,
                                const Context &context)
{
    platform::OleColour fore = p.borderStyle == 4 ? platform::SystemColour::GrayText : p.foreColor;
    if (state == State::Over || (state == State::Down && !context.pointerHasLeft))
        fore = p.highlightColor;

    const QSize text = surface.textSize(button::withoutFirstAmpersand(p.caption));
    const int w = surface.width();
    const int h = surface.height();
    // Keeps the caption's centring space fixed while a pressed picture moves;
    // with no picture to move the pressed caption shifts right like any button.
    const int a = (button::hasImage(p.picture) && state == State::Down) ? -1 : 0;
    int x = 0;
    if (pictureHasImage()) {
        const int pictureRight = m_pictureOrigin.x() + a + m_picture.width();
        x = (w + pictureRight) / 2 - text.width() / 2;
    } else {
        x = a + w / 2 - text.width() / 2;
    }
    int y = h / 2 - text.height() / 2 - 1;
    if (state == State::Down) {
        ++x;
        ++y;
    }

    unsigned flags = platform::TextState::Prefix;
    if (!p.enabled)
        flags |= platform::TextState::Disabled;
    if (p.rightToLeft)
        flags |= platform::TextState::RightToLeft;
    surface.setForeColour(resolve(fore, context.palette));
    surface.drawStateText(QPoint(x + p.captionOffsetX, y + p.captionOffsetY + 1), p.caption, flags);
}
