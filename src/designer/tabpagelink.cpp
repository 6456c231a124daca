#include "designer/tabpagelink.h"

#include "controls/tabstrip/lighttab.h"
#include "controls/tabstrip/propertypage1.h"
#include "designer/propertywriter.h"

TabPageLink::TabPageLink(PropertyPage1 *page, LightTab *control, PropertyWriter *writer)
    : m_page(page)
    , m_control(control)
    , m_writer(writer)
    , m_copy(std::make_unique<LightTab>())
{
    m_copy->setObjectName(QStringLiteral("pageCopy"));
}

TabPageLink::~TabPageLink() = default;

void TabPageLink::refresh()
{
    if (!m_control)
        return;
    m_copy->setAmbient(m_control->ambient());
    m_copy->setCaptionString(m_control->captionString());
    m_copy->setNumberOfTabs(m_control->numberOfTabs());
    m_copy->setActiveTab(m_control->activeTab());
    m_page->setSelectedControls({m_copy.get()});
    m_page->setChanged(false);
}

LightTab *TabPageLink::control() const
{
    return m_control;
}

QString TabPageLink::refusal() const
{
    if (!m_control)
        return tr("The tab strip is no longer on the form.");
    return m_page->refusal();
}

bool TabPageLink::apply()
{
    if (!m_control || !m_page->applyChanges())
        return false;
    m_writer->begin(tr("Edit tabs of '%1'").arg(m_control->objectName()));
    // Whole numbers go as int, the type Designer's property editor edits
    // them in; the strip's property takes them as its own 16-bit type.
    m_writer->write(m_control, QStringLiteral("ActiveTab"), int(m_copy->activeTab()));
    m_writer->write(m_control, QStringLiteral("NumberOfTabs"), int(m_copy->numberOfTabs()));
    m_writer->write(m_control, QStringLiteral("Caption"), m_copy->captionString());
    m_writer->end();
    return true;
}
