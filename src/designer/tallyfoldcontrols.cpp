#include "tallyfoldcontrols.h"

#include "controlcatalog.h"
#include "controlinterface.h"
#include "extensionfactory.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

TallyfoldControls::TallyfoldControls(QObject *parent)
    : QObject(parent)
{
    const auto initialiser = [this](QDesignerFormEditorInterface *core) {
        if (core)
            registerExtensions(core->extensionManager());
    };
    for (ControlDescription description :
         {controlcatalog::dial(), controlcatalog::button(), controlcatalog::tabStrip()})
        m_widgets.append(new ControlInterface(std::move(description), initialiser, this));
}

void TallyfoldControls::registerExtensions(QExtensionManager *manager)
{
    if (!manager || manager == m_extended)
        return;
    m_extended = manager;
    ExtensionFactory::registerWith(manager);
}
