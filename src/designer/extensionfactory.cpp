#include "extensionfactory.h"

#include "buttonex.h"
#include "designpropertysheet.h"
#include "lighttab.h"
#include "lighttabtaskmenu.h"
#include "velcprog.h"

#include <QScopedValueRollback>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>

namespace {

bool isOurs(const QObject *object)
{
    return qobject_cast<const VelCProg *>(object) || qobject_cast<const ButtonEx *>(object) ||
           qobject_cast<const LightTab *>(object);
}

} // namespace

ExtensionFactory::ExtensionFactory(QExtensionManager *manager)
    : QExtensionFactory(manager)
{}

void ExtensionFactory::registerWith(QExtensionManager *manager)
{
    auto *factory = new ExtensionFactory(manager);
    manager->registerExtensions(factory, Q_TYPEID(QDesignerPropertySheetExtension));
    manager->registerExtensions(factory, Q_TYPEID(QDesignerTaskMenuExtension));
}

QObject *ExtensionFactory::createExtension(QObject *object, const QString &iid,
                                           QObject *parent) const
{
    if (iid == Q_TYPEID(QDesignerTaskMenuExtension)) {
        if (auto *tabStrip = qobject_cast<LightTab *>(object))
            return new LightTabTaskMenu(tabStrip, parent);
        return nullptr;
    }
    if (iid != Q_TYPEID(QDesignerPropertySheetExtension) || m_fetchingBase || !isOurs(object))
        return nullptr;
    QDesignerPropertySheetExtension *base = nullptr;
    {
        const QScopedValueRollback fetching(m_fetchingBase, true);
        base = qt_extension<QDesignerPropertySheetExtension *>(extensionManager(), object);
    }
    return base ? new DesignPropertySheet(base, object, parent) : nullptr;
}
