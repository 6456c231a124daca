#pragma once

#include <QCoreApplication>
#include <QPointer>

#include <memory>

class LightTab;
class PropertyWriter;

// Links the tab strip's property page to one tab strip of a form being
// designed. The page edits a hidden copy of the strip, made when the link is;
// the hand-over passes the copy's resulting ActiveTab, NumberOfTabs and
// Caption to the writer, in that order, so that the form designer records
// them as changes of the strip's own properties. The page's own rules
// (refusals, the order of its writes, the strip's clamps) stay the page's and
// the strip's.
class TabPageLink
{
    Q_DECLARE_TR_FUNCTIONS(TabPageLink)

public:
    TabPageLink(LightTab *control, PropertyWriter *writer);
    ~TabPageLink();
    TabPageLink(const TabPageLink &) = delete;
    TabPageLink &operator=(const TabPageLink &) = delete;

    // What the page edits in place of the form's strip.
    LightTab *copy() const { return m_copy.get(); }
    LightTab *control() const;

    // Writes the copy's values to the form's strip through the writer, as one
    // edit; returns why it could not (the strip is gone), or an empty string.
    // This is the page dialog's hand-over.
    QString handOver();

private:
    QPointer<LightTab> m_control;
    PropertyWriter *m_writer;
    std::unique_ptr<LightTab> m_copy;
};
