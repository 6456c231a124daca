#pragma once

#include "buttonstate.h"
#include "colour.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <optional>

namespace button {

// nullopt is "nothing"; a null QImage is an empty picture object.
using Picture = std::optional<QImage>;

inline bool hasImage(const Picture &picture)
{
    return picture && !picture->isNull();
}

// Everything the push button stores, with the values of a newly placed
// control. The widget keeps one of these and the painter reads it, so a
// repaint copies nothing.
struct ButtonProperties
{
    bool allowDefault = true;
    bool allowFocus = true;
    int appearance = Appearance::ThreeD;
    platform::OleColour backColor = platform::SystemColour::ButtonFace;
    int borderStyle = 1;
    QString caption = QStringLiteral("ButtonEx1");
    int captionOffsetX = 0;
    int captionOffsetY = 0;
    bool enabled = true;
    platform::OleColour foreColor = platform::SystemColour::ButtonText;
    QFont font;
    platform::OleColour highlightColor = platform::SystemColour::ButtonText;
    bool highlightPicture = false;
    Picture mouseIcon = QImage();
    int mousePointer = 0;
    int oleDropMode = 0;
    Picture picture = QImage();
    Picture pictureDisabled = QImage();
    Picture pictureDown = QImage();
    Picture pictureFocus = QImage();
    int pictureOffsetX = 0;
    int pictureOffsetY = 0;
    Picture pictureOver = QImage();
    bool rightToLeft = false;
    Picture skinDisabled = QImage();
    Picture skinDown = QImage();
    Picture skinFocus = QImage();
    Picture skinOver = QImage();
    Picture skinUp = QImage();
    int style = Style::Push;
    QString toolTipText;
    platform::OleColour transparentColor = 0x00FF0000;
    int value = State::Up;
    int whatsThisHelpID = 0;
};

} // namespace button
