#include "ratingnames.h"

QString RatingNames::name(int place)
{
    switch (place) {
    case 0:
        //: The difficulty choice: the roll may stop on any target.
        return tr("Any");
    case 1:
        return tr("Easy");
    case 2:
        return tr("Medium");
    case 3:
        return tr("Hard");
    case 4:
        return tr("Very hard");
    default:
        return {};
    }
}
