#include "recordmessage.h"

#include "messagebox.h"
#include "scorekeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(recordLog, "tallyfold.history")

// Its texts' translation context.
struct RecordMessage
{
    Q_DECLARE_TR_FUNCTIONS(RecordMessage)
};

QString why(GameHistory::Cause cause, const QString &folder)
{
    switch (cause) {
    case GameHistory::Cause::DiskFull:
        return RecordMessage::tr("The disk is full.");
    case GameHistory::Cause::NotAllowed:
        //: %1: the folder the record is kept in.
        return RecordMessage::tr("The game is not allowed to write in %1.").arg(folder);
    case GameHistory::Cause::Busy:
        return RecordMessage::tr("Another copy of the game kept it busy for too long.");
    case GameHistory::Cause::NoFolder:
        //: %1: the folder the record is kept in.
        return RecordMessage::tr("The folder %1 cannot be made.").arg(folder);
    case GameHistory::Cause::Other:
        break;
    }
    //: %1: the folder the record is kept in.
    return RecordMessage::tr("It could not be written in %1.").arg(folder);
}

} // namespace

void tellRecordFailure(QWidget *parent, ScoreKeeper &keeper, bool withBox)
{
    if (keeper.failure() == GameHistory::Failure::None)
        return;
    qCWarning(recordLog, "%s", qPrintable(keeper.failureDetail()));
    if (!withBox || !keeper.failureIsNew())
        return;
    const QString folder = QDir::toNativeSeparators(QFileInfo(keeper.path()).absolutePath());
    QString text;
    switch (keeper.failure()) {
    case GameHistory::Failure::MovedAside:
        //: %1: the folder the record is kept in.
        text = RecordMessage::tr(
                   "Your record of games could not be read, so a new one was started. The "
                   "damaged one was kept beside it in %1.")
                   .arg(folder);
        break;
    case GameHistory::Failure::CannotOpen:
        text = RecordMessage::tr(
                   "Your record of games cannot be opened, so games are not recorded until the "
                   "game is started again.") +
               QLatin1Char(' ') + why(keeper.cause(), folder);
        break;
    case GameHistory::Failure::CannotWrite:
    case GameHistory::Failure::None:
        text = RecordMessage::tr("This game could not be added to your record of games.") +
               QLatin1Char(' ') + why(keeper.cause(), folder);
        break;
    }
    platform::showInformation(parent, text, RecordMessage::tr("Record not saved"));
}
