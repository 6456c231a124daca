#pragma once

#include "colour.h"

#include <QDialog>
#include <QLatin1StringView>

class ButtonEx;
class QLabel;

// The about window: the game's logo, title, version and rights notice, a link
// that opens a new mail to the author in the user's mail program, and "OK".
// The main window opens it modally and destroys it when it has closed.
class AboutFrm : public QDialog
{
    Q_OBJECT

public:
    // Who the mail link writes to.
    static constexpr QLatin1StringView AuthorName{"Robin Vantor"};
    static constexpr QLatin1StringView AuthorAddress{"robin.vantor@tallyfold.example"};

    explicit AboutFrm(QWidget *parent = nullptr);
    ~AboutFrm() override;

    // Lays out the controls and centres the window; the constructor runs it.
    void Form_Load();

    // The controls' events. ButtonEx1 is a control array of one button.
    void ButtonEx1_Click(qint16 index = 0);
    void Label4_MouseMove(short Button, short Shift, float X, float Y);
    void Label4_Click();
    // Moves over the window's own surface, outside every control.
    void Form_MouseMove(short Button, short Shift, float X, float Y);

    // The mail link's text colour, a colour value (system colours allowed).
    platform::OleColour Label4ForeColor() const { return m_label4ForeColor; }
    void setLabel4ForeColor(platform::OleColour colour);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    ButtonEx *ButtonEx1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    QLabel *createLabel(const char *name, const QString &text);

    platform::OleColour m_label4ForeColor = platform::SystemColour::ButtonText;
    bool m_label4Pressed = false;
};
