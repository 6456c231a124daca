#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class VelCProg;

// What assistive technologies see of a VelCProg: a dial whose value, minimum
// and maximum can be read. The dial shows a value; it is not set from outside.
class VelCProgAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit VelCProgAccessible(QWidget *widget);

    // Installs the interface's factory once; every VelCProg calls it.
    static void installFactory();

    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    VelCProg *dial() const;
};
