#pragma once

#include <QCheckBox>

// A check box whose text stands at the left of the box. Only the box and the
// text change places: the text itself keeps its reading order, so a trailing
// colon stays where it was written.
class LeftTextCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit LeftTextCheckBox(const QString &text, QWidget *parent = nullptr);

protected:
    void initStyleOption(QStyleOptionButton *option) const override;
};
