#include "controlinterface.h"

#include "domxml.h"

#include <QWidget>

#include <utility>

ControlInterface::ControlInterface(ControlDescription description, Initialiser initialiser,
                                   QObject *parent)
    : QObject(parent)
    , m_description(std::move(description))
    , m_initialiser(std::move(initialiser))
{}

QString ControlInterface::group() const
{
    return QStringLiteral("Tallyfold");
}

QIcon ControlInterface::icon() const
{
    return m_description.icon ? m_description.icon() : QIcon();
}

void ControlInterface::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    m_initialized = true;
    if (m_initialiser)
        m_initialiser(core);
}

platform::Ambient ControlInterface::ambient() const
{
    platform::Ambient ambient;
    // Only a form designer initialises the interface.
    ambient.userMode = !m_initialized;
    return ambient;
}

QWidget *ControlInterface::createWidget(QWidget *parent)
{
    return m_description.create(parent, ambient());
}

QString ControlInterface::domXml() const
{
    return domxml::forControl(m_description);
}
