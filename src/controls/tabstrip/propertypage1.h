#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class LightTab;
class QLabel;
class QLineEdit;
class QScrollBar;

// The tab strip's design-time property page: edits ActiveTab, NumberOfTabs
// and one caption at a time of the first selected LightTab. It knows nothing
// of its host: a dialog or a form designer hands it the selection, asks it to
// apply, and watches its changed mark.
class PropertyPage1 : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyPage1(QWidget *parent = nullptr);
    ~PropertyPage1() override;

    // The host selected other controls: the boxes are filled from the first.
    void setSelectedControls(const QList<LightTab *> &controls);
    QList<LightTab *> selectedControls() const;

    // The host's Apply or OK: writes the boxes to the first selected control
    // through its own property operations. Text that is not a 16-bit number
    // refuses the whole apply, writes nothing and keeps the page changed;
    // returns whether the values were written.
    bool applyChanges();
    // Why the last apply was refused; empty after one that went through.
    QString refusal() const { return m_refusal; }

    bool isChanged() const { return m_changed; }
    // The host clears the mark after it has applied, or sets it.
    void setChanged(bool changed);

    // The page's controls, by their design names.
    QLabel *lblIndex = nullptr;
    QLineEdit *txtIndex = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLabel *lblActiveTab = nullptr;
    QLineEdit *txtActiveTab = nullptr;
    QLabel *lblNumberOfTabs = nullptr;
    QLineEdit *txtNumberOfTabs = nullptr;
    QLabel *lblCaption = nullptr;
    QLineEdit *txtCaption = nullptr;

signals:
    // The mark went on or off; a host enables its Apply button on it.
    void changed(bool changed);

private:
    void PropertyPage_SelectionChanged();
    void HScroll1_Change();
    void txtActiveTab_Change();
    void txtNumberOfTabs_Change();
    void txtCaption_Change();
    LightTab *firstControl() const;
    // Shows the caption at the slider's index, or refuses an index the
    // caption string has no caption for.
    void showCaption();

    QList<QPointer<LightTab>> m_selected;
    QString m_refusal;
    bool m_changed = false;
};
