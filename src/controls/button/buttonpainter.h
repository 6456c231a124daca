#pragma once

#include "buttonproperties.h"
#include "surface.h"
#include "twips.h"

#include <QPalette>
#include <QPoint>
#include <QSize>

#include <optional>

// Draws the push button's face into its surface: the standard face with its
// edges, default frame and focus rectangle, or a skin that also gives the
// control its shape; then the state's picture and the caption. It owns the
// picture surface, which keeps its position from one repaint to the next.
class ButtonPainter
{
public:
    struct Context
    {
        int state = button::State::Up;
        // Focus or default look, and only in user mode.
        bool focusShown = false;
        // The pointer left while a button was held ("MouseExit" came last).
        bool pointerHasLeft = false;
        QPalette palette;
        platform::TwipsPerPixel twips;
    };

    struct Result
    {
        // The state the face was drawn in.
        int drawState = button::State::Up;
        // The size in pixels a skin asks the control to take.
        std::optional<QSize> skinSize;
    };

    // Clears the surface and draws the whole face in the given state; the
    // surface's size is the control's.
    Result paint(platform::Surface &surface, const button::ButtonProperties &properties,
                 const Context &context);

    const platform::Surface &pictureSurface() const { return m_picture; }
    QPoint pictureOrigin() const { return m_pictureOrigin; }
    bool pictureHasImage() const { return button::hasImage(m_pictureImage); }

private:
    int drawFace(platform::Surface &surface, const button::ButtonProperties &p, int state,
                 bool focusShown, const QPalette &palette);
    Result drawSkin(platform::Surface &surface, const button::ButtonProperties &p, int state,
                    bool focusShown, const Context &context);
    void drawPicture(platform::Surface &surface, const button::ButtonProperties &p, int state,
                     const QPalette &palette);
    void drawCaption(platform::Surface &surface, const button::ButtonProperties &p, int state,
                     const Context &context);
    void putOnPictureSurface(const button::Picture &picture, const QColor &back);

    platform::Surface m_picture;
    button::Picture m_pictureImage;
    QPoint m_pictureOrigin{6, 6};
};
