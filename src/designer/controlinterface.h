#pragma once

#include "controldescription.h"

#include <QObject>
#include <QPointer>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

class QDesignerFormEditorInterface;

// One control as Designer (and QUiLoader) sees it. Controls made after
// Designer has initialised the interface are in design mode (user mode off);
// a QUiLoader never initialises it, so the forms it builds run in user mode.
class ControlInterface : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    // Runs once, when Designer first initialises the interface.
    using Initialiser = std::function<void(QDesignerFormEditorInterface *core)>;

    explicit ControlInterface(ControlDescription description, Initialiser initialiser = {},
                              QObject *parent = nullptr);

    QString name() const override { return m_description.name; }
    QString group() const override;
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.whatsThis; }
    QString includeFile() const override { return m_description.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

    // The ambient values the controls it makes receive.
    platform::Ambient ambient() const;

private:
    ControlDescription m_description;
    Initialiser m_initialiser;
    bool m_initialized = false;
};
