#pragma once

#include <QCoreApplication>
#include <QString>

// The names of a board's ratings in the player's language, by their place:
// 0 is "Any" (the difficulty choice's first item), then Easy (1) to Very
// hard (4), the order of solver::Rating plus one.
class RatingNames
{
    Q_DECLARE_TR_FUNCTIONS(RatingNames)

public:
    static constexpr int Count = 5;
    static QString name(int place);
};
