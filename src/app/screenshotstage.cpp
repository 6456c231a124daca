#include "app/screenshotstage.h"

#include "app/globalbas.h"
#include "game/gamefrm.h"

#include <QPushButton>

namespace {

// 100 75 8 5 3 2 reach 523 in 32 ways: enough to fill the answers list.
constexpr int Tiles[] = {20, 21, 2, 3, 12, 13};
constexpr int Values[] = {100, 75, 8, 5, 3, 2};

void pick(GameFrm &window, int count)
{
    for (int i = 0; i < count; ++i) {
        window.flow().board().setTag(Tiles[i], QString::number(Values[i]));
        window.btnPick_Click(qint16(Tiles[i]));
    }
}

} // namespace

bool stageWindow(GameFrm &window, const QString &state)
{
    if (state == QLatin1String("picking")) {
        pick(window, 3);
        return true;
    }
    if (state == QLatin1String("running")) {
        pick(window, 6);
        window.Command1_Click(); // START: the target rolls
        for (int tick = 0; tick < GLOBALbas::TimeAllowed / 2; ++tick)
            window.Timer1_Timer();
        return true;
    }
    if (state == QLatin1String("answers")) {
        GLOBALbas::LowestTarget = 523;
        GLOBALbas::HighestTarget = 523;
        pick(window, 6);
        window.Command1_Click(); // START
        for (int tick = 0; tick < 21; ++tick)
            window.Timer1_Timer();
        window.Command1_Click();  // STOP
        window.cmdAnswer_Click(); // returns when the search has finished
        return true;
    }
    return false;
}
