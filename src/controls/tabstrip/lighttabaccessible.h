#pragma once

#include <QAccessibleWidget>
#include <QList>

class LightTab;

// What assistive technologies see of a LightTab: a page tab list whose
// children are its tabs, named by their trimmed captions. A tab's Press
// action clicks it on the strip, so the strip and its host see a click.
class LightTabAccessible : public QAccessibleWidget
{
public:
    explicit LightTabAccessible(QWidget *widget);
    ~LightTabAccessible() override;

    // Installs the interface's factory once; every LightTab calls it.
    static void installFactory();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    LightTab *strip() const;

private:
    // The tabs' interfaces, made when first asked for and registered, so
    // each keeps one identity on the bus; released with the strip's.
    mutable QList<QAccessible::Id> m_tabs;
};
