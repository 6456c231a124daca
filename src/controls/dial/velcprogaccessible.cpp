#include "velcprogaccessible.h"

#include "accessibility.h"
#include "velcprog.h"

namespace {

QAccessibleInterface *dialFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("VelCProg") && object && object->isWidgetType())
        return new VelCProgAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

VelCProgAccessible::VelCProgAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::Dial)
{}

void VelCProgAccessible::installFactory()
{
    platform::installAccessibleFactory(dialFactory);
}

VelCProg *VelCProgAccessible::dial() const
{
    return static_cast<VelCProg *>(widget());
}

QAccessible::State VelCProgAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

void *VelCProgAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant VelCProgAccessible::currentValue() const
{
    return dial()->value();
}

void VelCProgAccessible::setCurrentValue(const QVariant &)
{
    // Read only: the host drives the dial (the game's clock is its own).
}

QVariant VelCProgAccessible::maximumValue() const
{
    return dial()->maximum();
}

QVariant VelCProgAccessible::minimumValue() const
{
    return dial()->minimum();
}

QVariant VelCProgAccessible::minimumStepSize() const
{
    return 1;
}
