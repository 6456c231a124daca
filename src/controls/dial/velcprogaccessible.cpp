#include "velcprogaccessible.h"

#include "accessibility.h"
#include "velcprog.h"

#include <QCoreApplication>

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

QString VelCProgAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
        return QCoreApplication::translate("VelCProg", "%1 of %2")
            .arg(dial()->value())
            .arg(dial()->maximum());
    return QAccessibleWidget::text(t);
}
