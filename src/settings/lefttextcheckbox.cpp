#include "lefttextcheckbox.h"

#include <QStyleOptionButton>

LeftTextCheckBox::LeftTextCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{}

void LeftTextCheckBox::initStyleOption(QStyleOptionButton *option) const
{
    QCheckBox::initStyleOption(option);
    // The style mirrors the box and the text's place for a right-to-left
    // option, while the painter keeps the widget's own left-to-right text.
    option->direction = Qt::RightToLeft;
}
