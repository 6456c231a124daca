#include "controlcatalog.h"

#include "buttonex.h"
#include "controlicons.h"
#include "lighttab.h"
#include "twips.h"
#include "velcprog.h"

namespace controlcatalog {

ControlDescription dial()
{
    ControlDescription d;
    d.name = QStringLiteral("VelCProg");
    d.objectName = QStringLiteral("VelCProg1");
    d.includeFile = QStringLiteral("controls/dial/velcprog.h");
    d.toolTip = QStringLiteral("Circular progress dial");
    d.whatsThis = QStringLiteral(
        "Shows a value between Min and Max as a coloured sweep over a full or part circle, "
        "with an optional border, needle, ticks, value text and background picture.");
    d.icon = &controlicons::dial;
    // Square, so that a new dial's circle sits where a dial stored without
    // geometry puts it: centre (50, 50).
    d.defaultSize = QSize(100, 100);
    d.metaObject = &VelCProg::staticMetaObject;
    d.create = [](QWidget *parent, const platform::Ambient &ambient) -> QWidget * {
        return new VelCProg(ambient, parent);
    };
    return d;
}

ControlDescription button()
{
    ControlDescription d;
    d.name = QStringLiteral("ButtonEx");
    d.objectName = QStringLiteral("ButtonEx1");
    d.includeFile = QStringLiteral("controls/button/buttonex.h");
    d.toolTip = QStringLiteral("Self-drawn push button");
    d.whatsThis = QStringLiteral(
        "A push button with edge styles or a shaped skin, a picture per state, a highlighted "
        "caption under the pointer, mouse-enter and mouse-exit events and a toggle style.");
    d.icon = &controlicons::button;
    // A new button is 1200 by 360 twips.
    d.defaultSize = QSize(platform::twipsToPixelX(1200), platform::twipsToPixelY(360));
    d.metaObject = &ButtonEx::staticMetaObject;
    d.singleLineTexts = {QStringLiteral("Caption"), QStringLiteral("ToolTipText")};
    d.create = [](QWidget *parent, const platform::Ambient &ambient) -> QWidget * {
        auto *control = new ButtonEx(parent);
        control->setAmbient(ambient);
        return control;
    };
    return d;
}

ControlDescription tabStrip()
{
    ControlDescription d;
    d.name = QStringLiteral("LightTab");
    d.objectName = QStringLiteral("LightTab1");
    d.includeFile = QStringLiteral("controls/tabstrip/lighttab.h");
    d.toolTip = QStringLiteral("Light tab strip");
    d.whatsThis = QStringLiteral(
        "One row of tabs captioned from a bar-separated string. It draws the tabs and reports "
        "clicks; the form shows the page of each tab. Its context menu opens PropertyPage1.");
    d.icon = &controlicons::tabStrip;
    // The strip's own size hint.
    d.defaultSize = QSize(320, 160);
    d.metaObject = &LightTab::staticMetaObject;
    d.singleLineTexts = {QStringLiteral("Caption")};
    d.create = [](QWidget *parent, const platform::Ambient &ambient) -> QWidget * {
        auto *control = new LightTab(parent);
        control->setAmbient(ambient);
        control->UserControl_InitProperties();
        return control;
    };
    return d;
}

} // namespace controlcatalog
