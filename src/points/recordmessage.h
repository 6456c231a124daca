#pragma once

class QWidget;
class ScoreKeeper;

// Tells the player, in a message box in their language, that their record
// of games could not be kept (or was started afresh) and why, the first time
// each kind of failure happens in a run; later ones of the same kind only go
// to the log. Nothing when the keeper's last operation worked. Without
// `withBox` (the game closing) it goes to the log only.
void tellRecordFailure(QWidget *parent, ScoreKeeper &keeper, bool withBox = true);
