#pragma once

#include "ambient.h"
#include "propertyvalue.h"
#include "surface.h"
#include "tabdrawing.h"
#include "tabrow.h"

#include <QString>
#include <QWidget>

#include <optional>

namespace platform {
class PropertyBag;
}
class TabSurfaceWidget;

// A light, self-drawn tab strip: one row of tabs captioned from a single
// "|"-separated string, a raised box over the active tab and a raised border
// around the page below. It only draws tabs and reports clicks on them; the
// host shows the page that belongs to each tab.
class LightTab : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ProgID", "Tallyfold.LightTab")
    // The whole caption string, as stored; single captions go through caption().
    Q_PROPERTY(QString Caption READ captionString WRITE setCaptionString)
    Q_PROPERTY(qint16 NumberOfTabs READ numberOfTabs WRITE setNumberOfTabs)
    Q_PROPERTY(qint16 ActiveTab READ activeTab WRITE setActiveTab)

public:
    // Writes of NumberOfTabs are held to this range; tabs past the last
    // caption are drawn empty.
    static constexpr qint16 kMaxTabs = 256;
    static constexpr qint16 kDefaultNumberOfTabs = 4;
    static constexpr qint16 kDefaultActiveTab = 0;
    static QString defaultCaption();

    // Strip geometry, in pixels of the control.
    static constexpr int kStripLeft = 3;
    static constexpr int kStripTop = 2;
    static constexpr int kStripHeight = 17;

    explicit LightTab(QWidget *parent = nullptr);
    ~LightTab() override;

    // Caption index: piece index of the caption string (empty past its end).
    QString caption(int index) const;
    // Replaces exactly that piece, keeping every bar; a negative index, or
    // one past kMaxTabs that would need new pieces, is ignored.
    void setCaption(int index, const QString &text);

    QString captionString() const { return m_caption; }
    void setCaptionString(const QString &captions);
    // The whole caption string, under the setter name a form compiled by uic
    // calls for Caption.
    void setCaption(const QString &captions) { setCaptionString(captions); }

    qint16 numberOfTabs() const { return m_numberOfTabs; }
    // Held to 0..kMaxTabs. A number smaller than ActiveTab first resets
    // ActiveTab to 0.
    void setNumberOfTabs(qint16 count);

    qint16 activeTab() const { return m_activeTab; }
    // Stores the index (negative ones as 0) and raises AfterTabChange, also
    // when it does not change. An index with no tab drawn raises no tab until
    // NumberOfTabs grows to include it.
    void setActiveTab(qint16 index);

    void setAmbient(const platform::Ambient &ambient);
    const platform::Ambient &ambient() const { return m_ambient; }

    // Persistence, under the lower-case names "caption", "numberoftabs" and
    // "activetab". A failed read names the faulty property and leaves the
    // control as it was.
    void UserControl_InitProperties();
    std::optional<platform::PropertyError>
    UserControl_ReadProperties(const platform::PropertyBag &bag);
    void UserControl_WriteProperties(platform::PropertyBag &bag) const;

    // What is drawn, for the screen and for tests.
    const platform::Surface &surface() const { return m_surface; }
    const platform::Surface &tabStripSurface() const;
    const platform::Surface &highlightSurface() const;
    QWidget *tabStripWidget() const;
    QWidget *highlightWidget() const;
    const TabRow &tabRow() const { return m_row; }

    QSize sizeHint() const override;

signals:
    // The user clicked another tab, or ActiveTab was written.
    void AfterTabChange(qint16 tab);
    // A stored property was written; the host marks its design as changed.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class TabChangeEvent { Silent, Raise };

    void UserControl_Resize();
    void TabStrip_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);
    // Lays out again when the widget's size changed while it was hidden.
    void ensureLaidOut();
    // True when the surfaces took a new device pixel ratio and need drawing.
    bool followDevicePixelRatio();
    void redrawTabs();
    void moveHighlight(int index, TabChangeEvent event);
    QFont controlFont() const;

    QString m_caption;
    qint16 m_numberOfTabs = kDefaultNumberOfTabs;
    qint16 m_activeTab = kDefaultActiveTab;
    platform::Ambient m_ambient;

    platform::Surface m_surface;
    TabSurfaceWidget *TabStrip = nullptr;
    TabSurfaceWidget *HighlightTab = nullptr;
    TabRow m_row;
    tabstrip::ColourTable m_colours{};
};
