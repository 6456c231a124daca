#pragma once

#include "ambient.h"
#include "buttonpainter.h"
#include "buttonproperties.h"
#include "hovertracker.h"
#include "propertyvalue.h"
#include "surface.h"

#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QWidget>

#include <optional>

#include <type_traits>

class QMimeData;

// The self-drawn push button: a plain face with one of several edge styles or
// a shaped skin, a picture per state, a highlighted caption under the pointer,
// mouse-enter and mouse-exit events of its own, and a toggle style. It draws
// into a persistent surface whenever a property or its state changes; painting
// only copies that surface to the screen.
namespace platform {
class PropertyBag;
}

class ButtonEx : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ProgID", "Tallyfold.ButtonEx")
    // Descriptions a form designer shows for properties and events.
    Q_CLASSINFO("Help.Appearance",
                "Returns/sets whether or not the control is painted with 3-D effects.")
    Q_CLASSINFO(
        "Help.BackColor",
        "Returns/sets the background color used to display text and graphics in the control.")
    Q_CLASSINFO("Help.Caption", "Returns/sets the text displayed in the control.")
    Q_CLASSINFO("Help.CaptionOffsetX",
                "Returns/sets the horizontal offset for displaying the caption.")
    Q_CLASSINFO("Help.CaptionOffsetY",
                "Returns/sets the vertical offset for displaying the caption.")
    Q_CLASSINFO("Help.Enabled", "Returns/sets a value that determines whether an object can "
                                "respond to user-generated events.")
    Q_CLASSINFO(
        "Help.ForeColor",
        "Returns/sets the foreground color used to display text and graphics in the control.")
    Q_CLASSINFO("Help.Font", "Returns/sets a Font object used to display text in the control.")
    Q_CLASSINFO("Help.HighlightColor", "Returns/sets the highlight color used to display text and "
                                       "graphics when the mouse is over the control.")
    Q_CLASSINFO(
        "Help.HighlightPicture",
        "Returns/sets whether or not to highlight the object's picture with the HighlightColor.")
    Q_CLASSINFO("Help.MouseIcon", "Returns/sets a custom mouse icon.")
    Q_CLASSINFO("Help.MousePointer",
                "Returns/sets the type of mouse pointer displayed when over part of the control.")
    Q_CLASSINFO("Help.Picture", "Returns/sets a graphic to be displayed in the control.")
    Q_CLASSINFO("Help.PictureDisabled",
                "Returns/sets a graphic to be displayed in the control for the disabled state.")
    Q_CLASSINFO("Help.PictureOffsetX",
                "Returns/sets the horizontal offset for displaying the picture.")
    Q_CLASSINFO("Help.PictureOffsetY",
                "Returns/sets the vertical offset for displaying the picture.")
    Q_CLASSINFO("Help.RightToLeft", "Determines text display direction and control visual "
                                    "appearance on a bidirectional system.")
    Q_CLASSINFO("Help.SkinDisabled",
                "Returns/sets a graphic to be displayed for the control when it is disabled.")
    Q_CLASSINFO("Help.SkinDown", "Returns/sets a graphic to be displayed for the control the mouse "
                                 "has been pressed over it.")
    Q_CLASSINFO("Help.SkinFocus",
                "Returns/sets a graphic to be displayed for the control when it default.")
    Q_CLASSINFO("Help.SkinOver",
                "Returns/sets a graphic to be displayed for the control when the mouse is over it.")
    Q_CLASSINFO("Help.SkinUp", "Returns/sets a graphic to be displayed for the control.")
    Q_CLASSINFO("Help.Style", "Returns/sets the style for the control.")
    Q_CLASSINFO("Help.ToolTipText",
                "Returns/sets the text displayed when the mouse cursor is over the control.")
    Q_CLASSINFO("Help.TransparentColor",
                "Returns/sets the color of the Picture property to make transparent.")
    Q_CLASSINFO("Help.Value", "Returns/sets a default state for the control.")
    Q_CLASSINFO("Help.WhatsThisHelpID",
                "Returns/sets an associated help context ID for the control.")
    Q_CLASSINFO("Help.Click",
                "Occurs when the user presses and then releases a mouse button over the control.")
    Q_CLASSINFO("Help.KeyDown",
                "Occurs when the user presses a key while the control has the focus.")
    Q_CLASSINFO("Help.KeyPress", "Occurs when the user presses and releases an ANSI key.")
    Q_CLASSINFO("Help.KeyUp",
                "Occurs when the user releases a key while the control has the focus.")
    Q_CLASSINFO("Help.mouseDown",
                "Occurs when the user presses the mouse button while the control has the focus.")
    Q_CLASSINFO("Help.MouseEnter",
                "Occurs when the user moves the mouse over the control after MouseExit event.")
    Q_CLASSINFO("Help.MouseExit",
                "Occurs when the user moves the mouse out of the control after MouseEnter event.")
    Q_CLASSINFO("Help.MouseMove", "Occurs when the user moves the mouse.")
    Q_CLASSINFO("Help.MouseUp",
                "Occurs when the user releases the mouse button while the control has the focus.")
    Q_CLASSINFO("Help.Resize",
                "Occurs when a form is first displayed or the size of the control changes.")
    Q_PROPERTY(bool AllowDefault READ allowDefault WRITE setAllowDefault)
    Q_PROPERTY(bool AllowFocus READ allowFocus WRITE setAllowFocus)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int CaptionOffsetX READ captionOffsetX WRITE setCaptionOffsetX)
    Q_PROPERTY(int CaptionOffsetY READ captionOffsetY WRITE setCaptionOffsetY)
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ controlFont WRITE setControlFont)
    Q_PROPERTY(quint32 HighlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(bool HighlightPicture READ highlightPicture WRITE setHighlightPicture)
    Q_PROPERTY(const platform::Surface *hdc READ hdc)
    Q_PROPERTY(quintptr hwnd READ hwnd)
    Q_PROPERTY(std::optional<QImage> MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(int OLEDropMode READ oleDropMode WRITE setOleDropMode)
    Q_PROPERTY(std::optional<QImage> Picture READ picture WRITE setPicture)
    Q_PROPERTY(std::optional<QImage> PictureDisabled READ pictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(std::optional<QImage> PictureDown READ pictureDown WRITE setPictureDown)
    Q_PROPERTY(std::optional<QImage> PictureFocus READ pictureFocus WRITE setPictureFocus)
    Q_PROPERTY(int PictureOffsetX READ pictureOffsetX WRITE setPictureOffsetX)
    Q_PROPERTY(int PictureOffsetY READ pictureOffsetY WRITE setPictureOffsetY)
    Q_PROPERTY(std::optional<QImage> PictureOver READ pictureOver WRITE setPictureOver)
    Q_PROPERTY(bool RightToLeft READ rightToLeft WRITE setRightToLeft)
    Q_PROPERTY(std::optional<QImage> SkinDisabled READ skinDisabled WRITE setSkinDisabled)
    Q_PROPERTY(std::optional<QImage> SkinDown READ skinDown WRITE setSkinDown)
    Q_PROPERTY(std::optional<QImage> SkinFocus READ skinFocus WRITE setSkinFocus)
    Q_PROPERTY(std::optional<QImage> SkinOver READ skinOver WRITE setSkinOver)
    Q_PROPERTY(std::optional<QImage> SkinUp READ skinUp WRITE setSkinUp)
    Q_PROPERTY(int Style READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(quint32 TransparentColor READ transparentColor WRITE setTransparentColor)
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(int WhatsThisHelpID READ whatsThisHelpID WRITE setWhatsThisHelpID)

public:
    using Picture = button::Picture;

    explicit ButtonEx(QWidget *parent = nullptr);
    ~ButtonEx() override;

    // --- stored properties ---------------------------------------------------
    bool allowDefault() const { return m_p.allowDefault; }
    void setAllowDefault(bool allow) { store(&Props::allowDefault, allow, "AllowDefault"); }
    bool allowFocus() const { return m_p.allowFocus; }
    void setAllowFocus(bool allow) { store(&Props::allowFocus, allow, "AllowFocus"); }
    int appearance() const { return m_p.appearance; }
    void setAppearance(int appearance) { store(&Props::appearance, appearance, "Appearance"); }
    quint32 backColor() const { return m_p.backColor; }
    void setBackColor(quint32 colour) { store(&Props::backColor, colour, "BackColor"); }
    int borderStyle() const { return m_p.borderStyle; }
    void setBorderStyle(int style) { store(&Props::borderStyle, style, "BorderStyle"); }
    QString caption() const { return m_p.caption; }
    void setCaption(const QString &caption);
    int captionOffsetX() const { return m_p.captionOffsetX; }
    void setCaptionOffsetX(int pixels) { store(&Props::captionOffsetX, pixels, "CaptionOffsetX"); }
    int captionOffsetY() const { return m_p.captionOffsetY; }
    void setCaptionOffsetY(int pixels) { store(&Props::captionOffsetY, pixels, "CaptionOffsetY"); }
    // QWidget::setEnabled and QWidget::setFont on the button, as a form
    // compiled by uic calls them for Enabled and Font, set these too; a parent
    // being disabled, or its font, does not.
    bool controlEnabled() const { return m_p.enabled; }
    void setControlEnabled(bool enabled);
    quint32 foreColor() const { return m_p.foreColor; }
    void setForeColor(quint32 colour) { store(&Props::foreColor, colour, "ForeColor"); }
    QFont controlFont() const { return m_p.font; }
    void setControlFont(const QFont &font);
    quint32 highlightColor() const { return m_p.highlightColor; }
    void setHighlightColor(quint32 colour)
    {
        store(&Props::highlightColor, colour, "HighlightColor");
    }
    bool highlightPicture() const { return m_p.highlightPicture; }
    void setHighlightPicture(bool highlight)
    {
        store(&Props::highlightPicture, highlight, "HighlightPicture");
    }
    Picture mouseIcon() const { return m_p.mouseIcon; }
    void setMouseIcon(const Picture &icon);
    int mousePointer() const { return m_p.mousePointer; }
    void setMousePointer(int pointer);
    int oleDropMode() const { return m_p.oleDropMode; }
    void setOleDropMode(int mode)
    {
        store(&Props::oleDropMode, mode, "OLEDropMode", Repaint::None);
    }
    // The setter name a form compiled by uic calls for OLEDropMode.
    void setOLEDropMode(int mode) { setOleDropMode(mode); }
    Picture picture() const { return m_p.picture; }
    void setPicture(const Picture &picture) { store(&Props::picture, picture, "Picture"); }
    // The state pictures are stored and reported only and show from the next
    // repaint in their state; Picture itself repaints at once.
    Picture pictureDisabled() const { return m_p.pictureDisabled; }
    void setPictureDisabled(const Picture &picture)
    {
        store(&Props::pictureDisabled, picture, "PictureDisabled", Repaint::None);
    }
    Picture pictureDown() const { return m_p.pictureDown; }
    void setPictureDown(const Picture &picture)
    {
        store(&Props::pictureDown, picture, "PictureDown", Repaint::None);
    }
    Picture pictureFocus() const { return m_p.pictureFocus; }
    void setPictureFocus(const Picture &picture)
    {
        store(&Props::pictureFocus, picture, "PictureFocus", Repaint::None);
    }
    int pictureOffsetX() const { return m_p.pictureOffsetX; }
    void setPictureOffsetX(int pixels) { store(&Props::pictureOffsetX, pixels, "PictureOffsetX"); }
    int pictureOffsetY() const { return m_p.pictureOffsetY; }
    void setPictureOffsetY(int pixels) { store(&Props::pictureOffsetY, pixels, "PictureOffsetY"); }
    Picture pictureOver() const { return m_p.pictureOver; }
    void setPictureOver(const Picture &picture)
    {
        store(&Props::pictureOver, picture, "PictureOver", Repaint::None);
    }
    bool rightToLeft() const { return m_p.rightToLeft; }
    void setRightToLeft(bool rightToLeft)
    {
        store(&Props::rightToLeft, rightToLeft, "RightToLeft");
    }
    Picture skinDisabled() const { return m_p.skinDisabled; }
    void setSkinDisabled(const Picture &skin) { store(&Props::skinDisabled, skin, "SkinDisabled"); }
    Picture skinDown() const { return m_p.skinDown; }
    void setSkinDown(const Picture &skin) { store(&Props::skinDown, skin, "SkinDown"); }
    Picture skinFocus() const { return m_p.skinFocus; }
    void setSkinFocus(const Picture &skin) { store(&Props::skinFocus, skin, "SkinFocus"); }
    Picture skinOver() const { return m_p.skinOver; }
    void setSkinOver(const Picture &skin) { store(&Props::skinOver, skin, "SkinOver"); }
    Picture skinUp() const { return m_p.skinUp; }
    void setSkinUp(const Picture &skin) { store(&Props::skinUp, skin, "SkinUp"); }
    int buttonStyle() const { return m_p.style; }
    void setButtonStyle(int style) { store(&Props::style, style, "Style"); }
    // What a form compiled by uic calls for Style; QWidget's setStyle(QStyle *)
    // stays in reach beside it.
    using QWidget::setStyle;
    void setStyle(int style) { setButtonStyle(style); }
    QString toolTipText() const { return m_p.toolTipText; }
    void setToolTipText(const QString &text);
    quint32 transparentColor() const { return m_p.transparentColor; }
    void setTransparentColor(quint32 colour)
    {
        store(&Props::transparentColor, colour, "TransparentColor");
    }
    int value() const { return m_p.value; }
    void setValue(int value);
    int whatsThisHelpID() const { return m_p.whatsThisHelpID; }
    void setWhatsThisHelpID(int id)
    {
        store(&Props::whatsThisHelpID, id, "WhatsThisHelpID", Repaint::None);
    }

    // --- read-only -------------------------------------------------------------
    const platform::Surface *hdc() const;
    // The native window the control draws in; 0 before it has one. Asking
    // never creates a native window of the control's own.
    quintptr hwnd() const { return static_cast<quintptr>(effectiveWinId()); }

    const button::ButtonProperties &properties() const { return m_p; }
    const platform::Surface &surface() const;
    const ButtonPainter &painter() const;
    int drawState() const;
    QString lastHoverEvent() const { return m_lastHoverEvent; }
    bool focusLook() const { return m_focusLook; }
    // The key that, with Alt, raises Click; empty when there is none. It is
    // taken from the window only in user mode, so a form designer keeps its
    // own Alt shortcuts.
    QString accessKey() const { return m_accessKey; }
    bool isHoverPollRunning() const { return m_hover->isRunning(); }
    HoverTracker &hoverTracker() { return *m_hover; }

    void setAmbient(const platform::Ambient &ambient);
    const platform::Ambient &ambient() const { return m_ambient; }

    // The design-time values in the host's property store, in the stored
    // orders (buttonexstore.h); a value of the wrong type ends the load with
    // its error, and what was read before it stays.
    std::optional<platform::PropertyError> readProperties(const platform::PropertyBag &bag);
    void writeProperties(platform::PropertyBag &bag) const;

    // --- methods ---------------------------------------------------------------
    // Shows the stored image again.
    void Refresh();
    // The dotted focus rectangle around the whole control, until the next repaint.
    void DrawHighlight();
    void ClearHighlight();
    // Starts a drag from the control; OLEStartDrag fills the data and the
    // allowed effects, OLECompleteDrag reports what the target did.
    void OLEDrag();

    // The one repaint, in the given state code. While the button is not
    // shown, only the last one asked for is drawn, when it is first needed
    // (shown, painted, or its face or state read).
    void Redraw(int state);
    // Raises the named event with copies of args; MouseEnter and MouseExit only
    // when they differ from the last hover event passed. Unknown names are
    // ignored.
    void RaiseNamedEvent(const QString &name, const QVariantList &args = {});

public slots:
    // What the host calls for the access key, and for Enter or Escape when the
    // control is the default or cancel button.
    void accessKeyPressed();

signals:
    void Click();
    void KeyDown(short KeyCode, short Shift);
    void KeyPress(short KeyAscii);
    void KeyUp(short KeyCode, short Shift);
    void mouseDown(short Button, short Shift, float X, float Y);
    void MouseEnter();
    void MouseExit();
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    void OLECompleteDrag(int &Effect);
    void OLEDragDrop(QMimeData *Data, int &Effect, short &Button, short &Shift, float &X, float &Y);
    void OLEDragOver(QMimeData *Data, int &Effect, short &Button, short &Shift, float &X, float &Y,
                     short &State);
    void OLEGiveFeedback(int &Effect, bool &DefaultCursors);
    void OLESetData(QMimeData *Data, short &DataFormat);
    void OLEStartDrag(QMimeData *Data, int &AllowedEffects);
    void Resize();
    // Not one of the control's numbered events: tells the host that a stored
    // property changed, so it can mark its design data dirty.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    using Props = button::ButtonProperties;
    enum class Repaint { Current, None };

    void initProperties();
    void changed(const char *name);
    void repaintCurrent();
    void drawFace(int state);
    // Draws the repaint put off while the button was not shown, if any.
    void drawPending() const;
    // A plain stored property: the new value, a repaint in the current state
    // unless told otherwise, and the change reported under its stored name.
    template <typename T>
    void store(T Props::*field, const std::type_identity_t<T> &value, const char *name,
               Repaint repaint = Repaint::Current)
    {
        m_p.*field = value;
        if (repaint == Repaint::Current)
            repaintCurrent();
        changed(name);
    }
    void applyCursor();
    void applyAccessKey();
    void pointerLeft();
    // Mouse coordinates in twips, as the events carry them.
    float twipsX(double pixels) const;
    float twipsY(double pixels) const;
    void raiseDragOver(QDropEvent *event, short state);

    button::ButtonProperties m_p;
    platform::Ambient m_ambient;
    platform::Surface m_surface;
    ButtonPainter m_painter;
    HoverTracker *m_hover;
    int m_drawState = button::State::Up;
    // A button made and set up before its window shows would otherwise draw
    // its face once for every property set: a board of tiles, dozens of
    // times over, before anything is seen.
    mutable std::optional<int> m_pendingState;
    QString m_lastHoverEvent;
    bool m_focusLook = false;
    bool m_leftPressedInside = false;
    QString m_accessKey;
    int m_shortcutId = 0;
    QPointer<QMimeData> m_dragData;
    QPointF m_dragPosition;
};
