#include "solver/searchdisplay.h"

#include <QLabel>
#include <QListWidget>

SearchDisplay::SearchDisplay(QListWidget *list, QLabel *label)
    : list_(list)
    , label_(label)
{
    // Answers kept from a stopped search count as listed.
    if (list_) {
        for (int row = 0; row < list_->count(); ++row)
            listed_.insert(list_->item(row)->text());
    }
    frame_.start();
}

SearchDisplay::~SearchDisplay()
{
    flushAnswers();
    if (label_)
        label_->setUpdatesEnabled(true);
}

void SearchDisplay::showProgress(std::int32_t count)
{
    if (!label_)
        return;
    // A frame opened at the last yield has been painted by now; until the
    // next one, setting the text only records it.
    if (label_->updatesEnabled())
        label_->setUpdatesEnabled(false);
    label_->setText(QStringLiteral("Searching... ") + QString::number(count));
}

void SearchDisplay::addAnswer(const QString &answer)
{
    if (listed_.contains(answer))
        return;
    listed_.insert(answer);
    pending_.append(answer);
}

void SearchDisplay::beforeYield()
{
    if (!frame_.hasExpired(kFrameMs))
        return;
    frame_.restart();
    flushAnswers();
    if (label_)
        label_->setUpdatesEnabled(true); // repaints it during this yield
}

void SearchDisplay::flushAnswers()
{
    if (pending_.isEmpty())
        return;
    if (list_)
        list_->addItems(pending_);
    pending_.clear();
}
