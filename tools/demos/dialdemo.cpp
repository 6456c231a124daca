// Shows a gallery of dials: the game's clock face with its stored values,
// a part circle with a gradient and shape ticks, a tricolour fade, hollow
// square ticks counter-clockwise, an automatic mask over a coloured window and
// a stretched picture. --screenshot FILE saves a picture of the window after
// its first paint and quits; --bench-repaint N times N redraws of a clock
// face and prints the median.

#include "fonts.h"
#include "propertybag.h"
#include "velcprog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The clock face as the main window stores it, at 15 twips a pixel.
VelCProg *clockFace(QWidget *parent)
{
    const QByteArray stored = R"([
        {"name": "Max", "type": "int32", "value": 60},
        {"name": "Value", "type": "int32", "value": 0},
        {"name": "BackColor", "type": "int32", "value": 16761024},
        {"name": "StartColor", "type": "int32", "value": 65535},
        {"name": "MidColor", "type": "int32", "value": 0},
        {"name": "EndColor", "type": "int32", "value": 32896},
        {"name": "CircleColor", "type": "int32", "value": 16777215},
        {"name": "BorderColor", "type": "int32", "value": 8421504},
        {"name": "TextColor", "type": "int32", "value": 8437759},
        {"name": "NeedleColor", "type": "int32", "value": 0},
        {"name": "TextShadowColor", "type": "int32", "value": 16576},
        {"name": "TickColor", "type": "int32", "value": 12632256},
        {"name": "MaskColor", "type": "int32", "value": 0},
        {"name": "Tricolor", "type": "bool", "value": false},
        {"name": "TextShadow", "type": "bool", "value": true},
        {"name": "AutoSize", "type": "bool", "value": false},
        {"name": "ShowNeedle", "type": "bool", "value": true},
        {"name": "BorderWidth", "type": "int16", "value": 3},
        {"name": "TickSize", "type": "int16", "value": 50},
        {"name": "TickFrequency", "type": "float", "value": 5},
        {"name": "TickWidth", "type": "int16", "value": 3},
        {"name": "TickStyle", "type": "int32", "value": 1},
        {"name": "XCenter", "type": "double", "value": 2130},
        {"name": "YCenter", "type": "double", "value": 2100},
        {"name": "Radius", "type": "double", "value": 1920},
        {"name": "TextOffsetX", "type": "double", "value": -600},
        {"name": "TextOffsetY", "type": "double", "value": -300},
        {"name": "TextShadowXOffset", "type": "float", "value": 45},
        {"name": "TextShadowYOffset", "type": "float", "value": 45}
    ])";
    auto *dial = new VelCProg(parent);
    platform::PropertyResult<platform::PropertyBag> bag = platform::PropertyBag::fromJson(stored);
    if (!bag) {
        std::fprintf(stderr, "clock face: %s\n", qPrintable(bag.error()));
        return dial;
    }
    QFont font(QStringLiteral("Arial"), 72);
    font.setBold(true);
    bag.value().writeFont(QStringLiteral("Font"), font, QFont());
    if (const auto error = dial->readProperties(bag.value()))
        std::fprintf(stderr, "clock face: %s\n", qPrintable(error->message));
    dial->setFixedSize(286, 282);
    return dial;
}

QImage samplePicture()
{
    QImage picture(100, 50, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 100, 50);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 200, 80));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(QPen(Qt::white, 3));
    for (int x = 0; x < 100; x += 20)
        painter.drawLine(x, 50, x + 20, 0);
    return picture;
}

// A plain window in one colour, for the see-through dial to sit on.
class ColouredPanel : public QWidget
{
public:
    explicit ColouredPanel(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(30, 110, 60));
        setPalette(colours);
    }
};

QWidget *labelled(QWidget *dial, const QString &caption)
{
    auto *cell = new QWidget;
    auto *layout = new QVBoxLayout(cell);
    layout->addWidget(dial, 0, Qt::AlignCenter);
    layout->addWidget(new QLabel(caption), 0, Qt::AlignHCenter);
    return cell;
}

QWidget *buildGallery()
{
    auto *window = new QWidget;
    window->setWindowTitle(QStringLiteral("Dials"));
    auto *grid = new QGridLayout(window);

    VelCProg *clock = clockFace(nullptr);
    clock->setShowValue(true);
    clock->setValue(30);
    grid->addWidget(labelled(clock, QStringLiteral("Clock face, 30 of 60")), 0, 0);

    auto *part = new VelCProg;
    part->setFixedSize(200, 200);
    part->setSpan(270);
    part->setOffsetAngle(225);
    part->setMaximum(100);
    part->setValue(70);
    part->setCircleColor(platform::rgbColour(230, 230, 230));
    part->setTickStyle(2);
    part->setTickPosition(1);
    part->setTickSize(6);
    part->setTickColor(platform::rgbColour(40, 40, 120));
    part->setShowValueAsPercent(true);
    part->setTextColor(platform::rgbColour(20, 20, 20));
    grid->addWidget(labelled(part, QStringLiteral("Part circle, gradient, circle ticks")), 0, 1);

    auto *fade = new VelCProg;
    fade->setFixedSize(200, 200);
    fade->setGradient(false);
    fade->setFade(true);
    fade->setValue(80);
    fade->setCircleColor(platform::rgbColour(255, 255, 255));
    fade->setBorderWidth(3);
    fade->setShowValue(true);
    fade->setTextShadow(true);
    grid->addWidget(labelled(fade, QStringLiteral("Tricolour fade, 80 of 100")), 0, 2);

    auto *squares = new VelCProg;
    squares->setFixedSize(200, 200);
    squares->setClockwise(false);
    squares->setValue(65);
    squares->setTricolor(false);
    squares->setStartColor(platform::rgbColour(0, 80, 200));
    squares->setEndColor(platform::rgbColour(240, 60, 160));
    squares->setCircleColor(platform::rgbColour(250, 250, 210));
    squares->setTickStyle(5);
    squares->setTickPosition(2);
    squares->setTickSize(10);
    squares->setTickWidth(2);
    squares->setShowNeedle(true);
    grid->addWidget(labelled(squares, QStringLiteral("Counter-clockwise, square ticks")), 1, 0);

    auto *panel = new ColouredPanel;
    panel->setFixedSize(220, 220);
    auto *masked = new VelCProg(panel);
    masked->setGeometry(10, 10, 200, 200);
    masked->setBackColor(platform::rgbColour(255, 0, 255));
    masked->setSpan(180);
    masked->setOffsetAngle(270);
    masked->setValue(60);
    masked->setCircleColor(platform::rgbColour(20, 20, 20));
    masked->setTickStyle(1);
    masked->setTickPosition(1);
    masked->setTickSize(8);
    masked->setTickColor(platform::rgbColour(255, 255, 255));
    masked->setTickWidth(2);
    masked->setAutoMask(true);
    grid->addWidget(labelled(panel, QStringLiteral("AutoMask on a green window")), 1, 1);

    auto *picture = new VelCProg;
    picture->setFixedSize(200, 200);
    picture->setInset(true);
    picture->setShowCircle(false);
    picture->setPicture(samplePicture());
    picture->setValue(40);
    picture->setShowZeroLine(true);
    picture->setShowValue(true);
    picture->setTextShadow(true);
    grid->addWidget(labelled(picture, QStringLiteral("Stretched picture, inset")), 1, 2);
    return window;
}

// The median time of one redraw of a clock face of the given size.
double medianRepaintMicroseconds(int side, int count)
{
    VelCProg *dial = clockFace(nullptr);
    dial->setFixedSize(side, side);
    dial->setAutoSize(true);
    dial->setShowValue(true);
    dial->setValue(30);
    dial->Repaint(); // settle the size first
    std::vector<double> times;
    times.reserve(static_cast<size_t>(count));
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        dial->Repaint();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    delete dial;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::registerFontSubstitutions();

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window and quit."),
                                        QStringLiteral("file"));
    const QCommandLineOption bench(QStringLiteral("bench-repaint"),
                                   QStringLiteral("Time this many redraws and print the median."),
                                   QStringLiteral("count"));
    parser.addOption(screenshot);
    parser.addOption(bench);
    parser.process(app);

    if (parser.isSet(bench)) {
        const int count = std::max(1, parser.value(bench).toInt());
        std::printf("median Repaint, 256x256 clock face (radius 126): %.1f us\n",
                    medianRepaintMicroseconds(256, count));
        std::printf("median Repaint, 604x604 clock face (radius 300): %.1f us\n",
                    medianRepaintMicroseconds(604, count));
        return 0;
    }

    QWidget *window = buildGallery();
    window->show();
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        // Give the window its first paint, then grab what the screen shows,
        // so see-through parts show what is behind them.
        QTimer::singleShot(300, window, [window, file] {
            QPixmap shot = window->screen()->grabWindow(window->winId());
            if (shot.isNull())
                shot = window->grab();
            const bool saved = shot.save(file);
            if (!saved)
                std::fprintf(stderr, "could not save %s\n", qPrintable(file));
            QApplication::exit(saved ? 0 : 1);
        });
    }
    const int result = QApplication::exec();
    delete window;
    return result;
}
