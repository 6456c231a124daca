#pragma once

#include <QAccessibleWidget>

class VelCProg;

// What assistive technologies see of a VelCProg: a dial whose name is the
// host's and whose description tells the value ("25 of 60") unless the host
// gives one. The dial shows a value and is never set from outside, so it
// offers no value to set: that would bring actions that do nothing.
class VelCProgAccessible : public QAccessibleWidget
{
public:
    explicit VelCProgAccessible(QWidget *widget);

    // Installs the interface's factory once; every VelCProg calls it.
    static void installFactory();

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

private:
    VelCProg *dial() const;
};
