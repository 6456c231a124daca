// Shows ButtonEx in every border style and state, with focus, default frame,
// flat and disabled looks, pictures and a shaped skin, for looking at it.
// With --screenshot FILE it saves a grab of the window after the first paint
// and exits.
#include "buttonex.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace State = button::State;

namespace {

constexpr QRgb Key = qRgb(0, 0, 255); // the default TransparentColor

// A small picture on the key colour: a disc with a highlight.
QImage disc(const QColor &colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Key);
    QPainter p(&image);
    p.setPen(colour.darker(160));
    p.setBrush(colour);
    p.drawEllipse(1, 1, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(160));
    p.drawEllipse(4, 4, 4, 4);
    return image;
}

// A pill-shaped skin on the key colour; the corners drop out.
QImage skin(const QColor &top, const QColor &bottom)
{
    QImage image(110, 34, QImage::Format_RGB32);
    image.fill(Key);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 0, 34);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(bottom.darker(150));
    p.setBrush(gradient);
    p.drawRoundedRect(QRectF(0.5, 0.5, 108, 32), 16, 16);
    return image;
}

class Gallery : public QWidget
{
public:
    Gallery()
    {
        setWindowTitle(QStringLiteral("ButtonEx"));
        setAutoFillBackground(true);
        auto *grid = new QGridLayout(this);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(8);
        const char *states[] = {"Up", "Over", "Down"};
        for (int c = 0; c < 3; ++c)
            grid->addWidget(new QLabel(QString::fromLatin1(states[c])), 0, c + 1);

        int row = 1;
        auto addRow = [&](const QString &label, int appearance, int borderStyle) {
            grid->addWidget(new QLabel(label), row, 0);
            const int shown[] = {State::Up, State::Over, State::Down};
            for (int c = 0; c < 3; ++c) {
                ButtonEx *b = make(appearance, borderStyle, QStringLiteral("&Start"));
                grid->addWidget(b, row, c + 1);
                m_states.push_back([b, s = shown[c]] { b->Redraw(s); });
            }
            ++row;
        };
        for (int style = 0; style <= 4; ++style)
            addRow(QStringLiteral("3-D, border %1").arg(style), button::Appearance::ThreeD, style);
        addRow(QStringLiteral("Flat, border 1"), button::Appearance::Flat, 1);
        addRow(QStringLiteral("Flat, border 4"), button::Appearance::Flat, 4);

        // Focused default button, at rest and pressed.
        grid->addWidget(new QLabel(QStringLiteral("Default, focused")), row, 0);
        for (int c = 0; c < 2; ++c) {
            ButtonEx *b = make(button::Appearance::ThreeD, 1, QStringLiteral("OK"));
            b->setAmbient({true, std::nullopt, true});
            grid->addWidget(b, row, c + 1);
            m_states.push_back([b, c] { b->Redraw(c == 0 ? State::Up : State::Down); });
        }
        ButtonEx *disabled = make(button::Appearance::ThreeD, 1, QStringLiteral("&Disabled"));
        disabled->setControlEnabled(false);
        grid->addWidget(disabled, row, 3);
        ++row;

        // Pictures: at rest, pressed, as a highlight silhouette; a latched toggle.
        grid->addWidget(new QLabel(QStringLiteral("Picture, toggle")), row, 0);
        for (int c = 0; c < 3; ++c) {
            ButtonEx *b = make(button::Appearance::ThreeD, 1, QStringLiteral("Play"));
            b->setPicture(disc(QColor(40, 160, 60)));
            b->setHighlightColor(platform::rgbColour(200, 0, 0));
            if (c == 2)
                b->setHighlightPicture(true);
            grid->addWidget(b, row, c + 1);
            m_states.push_back([b, c] {
                b->Redraw(c == 0 ? State::Up : c == 1 ? State::Down : State::Over);
            });
        }
        ButtonEx *toggle = make(button::Appearance::Flat, 3, QStringLiteral("Toggle"));
        toggle->setButtonStyle(button::Style::Toggle);
        toggle->setValue(State::Down);
        grid->addWidget(toggle, row, 4);
        ++row;

        // Skins with see-through corners, on a striped backdrop.
        grid->addWidget(new QLabel(QStringLiteral("Skinned")), row, 0);
        const int shown[] = {State::Up, State::Over, State::Down};
        for (int c = 0; c < 3; ++c) {
            auto *backdrop = new QWidget;
            backdrop->setFixedSize(120, 40);
            backdrop->setAutoFillBackground(true);
            QPalette stripes = backdrop->palette();
            QLinearGradient g(0, 0, 8, 8);
            g.setSpread(QGradient::RepeatSpread);
            g.setColorAt(0, QColor(250, 220, 120));
            g.setColorAt(0.5, QColor(250, 220, 120));
            g.setColorAt(0.51, QColor(200, 120, 60));
            g.setColorAt(1, QColor(200, 120, 60));
            stripes.setBrush(QPalette::Window, g);
            backdrop->setPalette(stripes);
            auto *b = new ButtonEx(backdrop);
            b->move(5, 3);
            b->setCaption(QStringLiteral("Skin"));
            b->setAppearance(button::Appearance::Skinned);
            for (auto setter : {&ButtonEx::setSkinDisabled, &ButtonEx::setSkinFocus})
                (b->*setter)(std::nullopt);
            b->setSkinOver(skin(QColor(150, 220, 255), QColor(40, 110, 200)));
            b->setSkinDown(skin(QColor(40, 110, 200), QColor(150, 220, 255)));
            b->setSkinUp(skin(QColor(230, 230, 240), QColor(140, 150, 170)));
            b->setForeColor(platform::rgbColour(20, 20, 60));
            b->setHighlightColor(platform::rgbColour(255, 255, 255));
            b->setFocusPolicy(Qt::NoFocus);
            grid->addWidget(backdrop, row, c + 1);
            m_states.push_back([b, s = shown[c]] { b->Redraw(s); });
        }
        ++row;
        grid->setRowStretch(row, 1);
    }

    // Puts every button in the state its column shows; the show's resize
    // events have just drawn them all at rest.
    void showStates()
    {
        for (const auto &apply : m_states)
            apply();
    }

private:
    ButtonEx *make(int appearance, int borderStyle, const QString &caption)
    {
        auto *b = new ButtonEx;
        b->setFixedSize(110, 30);
        b->setAppearance(appearance);
        b->setBorderStyle(borderStyle);
        b->setCaption(caption);
        b->setHighlightColor(platform::rgbColour(0, 0, 200));
        for (auto setter : {&ButtonEx::setPictureDown, &ButtonEx::setPictureOver,
                            &ButtonEx::setPictureFocus, &ButtonEx::setPictureDisabled})
            (b->*setter)(std::nullopt);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    }

    std::vector<std::function<void()>> m_states;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QString screenshot;
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--screenshot"));
    if (at >= 0 && at + 1 < args.size())
        screenshot = args.at(at + 1);

    Gallery gallery;
    gallery.show();
    QTimer::singleShot(0, &gallery, [&gallery] { gallery.showStates(); });
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(400, &gallery, [&gallery, screenshot] {
            const QPixmap shot = gallery.screen()->grabWindow(gallery.winId());
            const bool saved = shot.save(screenshot);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
