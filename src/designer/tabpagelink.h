#pragma once

#include <QCoreApplication>
#include <QPointer>

#include <memory>

class LightTab;
class PropertyPage1;
class PropertyWriter;

// Hosts the tab strip's property page for one tab strip of a form: the page
// edits a hidden copy of the strip, and an apply hands the copy's resulting
// ActiveTab, NumberOfTabs and Caption to the writer, in that order, so that a
// form designer records them as changes of the strip's own properties. The
// page's own rules (refusals, the order of the writes, the strip's clamps)
// stay the page's and the strip's.
class TabPageLink
{
    Q_DECLARE_TR_FUNCTIONS(TabPageLink)

public:
    TabPageLink(PropertyPage1 *page, LightTab *control, PropertyWriter *writer);
    ~TabPageLink();
    TabPageLink(const TabPageLink &) = delete;
    TabPageLink &operator=(const TabPageLink &) = delete;

    // Selection changed: fills the page from the strip as it is now. The page
    // is left unmarked, since nothing has been edited yet.
    void refresh();
    // Apply: false when the page refused its boxes (nothing is written) or
    // the strip is gone.
    bool apply();

    // Why the last apply was refused; empty after one that went through.
    QString refusal() const;

    LightTab *control() const;

private:
    PropertyPage1 *m_page;
    QPointer<LightTab> m_control;
    PropertyWriter *m_writer;
    std::unique_ptr<LightTab> m_copy;
};
