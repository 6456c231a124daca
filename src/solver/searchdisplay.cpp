#include "searchdisplay.h"

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
    if (label_) {
        label_->setUpdatesEnabled(true);
        // Its name is its text again, told at every change.
        if (heldName_)
            label_->setAccessibleName(QString());
    }
}

void SearchDisplay::showProgress(std::int32_t count)
{
    if (!label_)
        return;
    // A frame opened at the last yield has been painted by now; until the
    // next one, setting the text only records it.
    if (label_->updatesEnabled())
        label_->setUpdatesEnabled(false);
    // A label without a name of its own tells assistive technologies of every
    // new text; held as its name, the text reaches them once a frame instead.
    if (!heldName_) {
        heldName_ = true;
        label_->setAccessibleName(label_->text());
    }
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
    if (label_) {
        label_->setUpdatesEnabled(true); // repaints it during this yield
        if (heldName_ && label_->accessibleName() != label_->text())
            label_->setAccessibleName(label_->text());
    }
}

void SearchDisplay::flushAnswers()
{
    if (pending_.isEmpty())
        return;
    if (list_)
        list_->addItems(pending_);
    pending_.clear();
}
