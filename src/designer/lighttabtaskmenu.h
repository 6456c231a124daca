#pragma once

#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>

class LightTab;
class QAction;

// The tab strip's entry in Designer's context menu (and its double-click
// action): opens PropertyPage1 on the strip, writing back through the strip's
// form window.
class LightTabTaskMenu : public QObject, public QDesignerTaskMenuExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    explicit LightTabTaskMenu(LightTab *control, QObject *parent = nullptr);

    QAction *preferredEditAction() const override { return m_editAction; }
    QList<QAction *> taskActions() const override { return {m_editAction}; }

    // Opens the page as a modal dialog; the action runs this.
    void editTabs();

private:
    QPointer<LightTab> m_control;
    QAction *m_editAction;
};
