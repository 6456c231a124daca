#include "tabpagelink.h"

#include "lighttab.h"
#include "propertywriter.h"

TabPageLink::TabPageLink(LightTab *control, PropertyWriter *writer)
    : m_control(control)
    , m_writer(writer)
    , m_copy(std::make_unique<LightTab>())
{
    m_copy->setObjectName(QStringLiteral("pageCopy"));
    if (!m_control)
        return;
    m_copy->setAmbient(m_control->ambient());
    m_copy->setCaptionString(m_control->captionString());
    m_copy->setNumberOfTabs(m_control->numberOfTabs());
    m_copy->setActiveTab(m_control->activeTab());
}

TabPageLink::~TabPageLink() = default;

LightTab *TabPageLink::control() const
{
    return m_control;
}

QString TabPageLink::handOver()
{
    if (!m_control)
        return tr("The tab strip is no longer on the form.");
    m_writer->begin(tr("Edit tabs of '%1'").arg(m_control->objectName()));
    // Whole numbers go as int, the type Designer's property editor edits
    // them in; the strip's property takes them as its own 16-bit type.
    m_writer->write(m_control, QStringLiteral("ActiveTab"), int(m_copy->activeTab()));
    m_writer->write(m_control, QStringLiteral("NumberOfTabs"), int(m_copy->numberOfTabs()));
    m_writer->write(m_control, QStringLiteral("Caption"), m_copy->captionString());
    m_writer->end();
    return {};
}
