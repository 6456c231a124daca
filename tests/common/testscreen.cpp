#include "testscreen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    useOffscreenConfig(config.fileName());
    return screen;
}

void useOffscreenConfig(const QString &configFile)
{
    QString path = configFile;
#ifdef Q_OS_WIN
    // The platform's arguments are split at every colon, a drive's among
    // them: the file is named from its own folder instead, which stays the
    // current one until the application ends (and can then be removed).
    static QString before;
    before = QDir::currentPath();
    const QFileInfo file(configFile);
    QDir::setCurrent(file.absolutePath());
    path = file.fileName();
    qAddPostRoutine([] { QDir::setCurrent(before); });
#endif
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
}
