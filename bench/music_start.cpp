// Not a Google Benchmark: how long from the tick that starts the music to the
// first samples taken by the sound server, in one fresh process:
//   music_start ready   the output loaded beforehand, as the game does while
//                       the target rolls (the time of the play itself)
//   music_start cold    nothing loaded: the audio output loads on the tick
// Prints the milliseconds, or "silent" when no sound server took anything.
// tools/measure-startup runs it against PulseAudio's null sink.

#include "soundplayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool ready = argc == 2 && std::strcmp(argv[1], "ready") == 0;
    QFile file(QStringLiteral(":/sounds/Count30.wav"));
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray music = file.readAll();

    platform::SoundPlayer player;
    QElapsedTimer clock;
    QTimer poll;
    poll.setInterval(0);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &app, [] {
        std::printf("silent\n");
        QCoreApplication::exit(1);
    });
    const auto tick = [&] {
        clock.start();
        if (!player.play(music)) {
            std::printf("silent\n");
            QCoreApplication::exit(1);
            return;
        }
        poll.start();
        giveUp.start(10000);
    };
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (player.processedUs() > 0) {
            std::printf("%.1f\n", double(clock.nsecsElapsed()) / 1e6);
            QCoreApplication::quit();
        }
    });

    if (ready) {
        player.prepare();
        QTimer wait;
        wait.setInterval(1);
        QObject::connect(&wait, &QTimer::timeout, &app, [&] {
            if (player.isOutputReady()) {
                wait.stop();
                tick();
            }
        });
        wait.start();
        return QCoreApplication::exec();
    }
    QTimer::singleShot(0, &app, tick);
    return QCoreApplication::exec();
}
