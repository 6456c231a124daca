#include "testscreen.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

QSize useTestScreen(const QTemporaryDir &folder)
{
    const QString asked = qEnvironmentVariable("TALLYFOLD_TEST_SCREEN", "1024x768");
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(asked);
    if (!size.hasMatch()) {
        qCritical("TALLYFOLD_TEST_SCREEN should read WIDTHxHEIGHT, not \"%s\"", qPrintable(asked));
        return {};
    }
    const QSize screen(size.captured(1).toInt(), size.captured(2).toInt());
    QFile config(folder.filePath("screen.json"));
    if (!folder.isValid() || !config.open(QIODevice::WriteOnly))
        return {};
    config.write(QStringLiteral(R"({"screens": [{"name": "main", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(screen.width())
                     .arg(screen.height())
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    return screen;
}
