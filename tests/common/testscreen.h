#pragma once

#include <QSize>
#include <QString>

class QTemporaryDir;

// Gives the offscreen platform one screen of the size in TALLYFOLD_TEST_SCREEN
// (1024 x 768 when run by hand), at 96 dpi so that a pixel is 15 twips, for
// the programs that check the fixed layouts. Call before the application is
// made; the screen's description is written into `folder`, which only has to
// exist while the platform starts. Returns the size, or an empty size (after
// saying why) when the variable reads as no size.
QSize useTestScreen(const QTemporaryDir &folder);

// Starts the offscreen platform, when the application is made, with the
// screens described in `configFile`.
void useOffscreenConfig(const QString &configFile);
