#include "lighttabtaskmenu.h"

#include "formwindowwriter.h"
#include "lighttab.h"
#include "lighttabdialog.h"
#include "tabpagelink.h"

#include <QAction>
#include <QtDesigner/QDesignerFormWindowInterface>

LightTabTaskMenu::LightTabTaskMenu(LightTab *control, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_editAction(new QAction(tr("Edit Tabs (PropertyPage1)..."), this))
{
    m_editAction->setObjectName(QStringLiteral("editTabs"));
    connect(m_editAction, &QAction::triggered, this, &LightTabTaskMenu::editTabs);
}

void LightTabTaskMenu::editTabs()
{
    if (!m_control)
        return;
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_control);
    FormWindowWriter writer(form);
    QWidget *owner = form ? static_cast<QWidget *>(form) : m_control->window();
    TabPageLink link(m_control, &writer);
    LightTabDialog dialog(link.copy(), owner);
    dialog.setHandover([&link] { return link.handOver(); });
    dialog.exec();
}
