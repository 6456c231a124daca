#pragma once

#include <QObject>
#include <QPointer>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class QExtensionManager;

// The plugin Qt Designer (and QUiLoader) loads: the dial, the button and the
// tab strip in the widget box's "Tallyfold" group.
class TallyfoldControls : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TallyfoldControls(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return m_widgets; }

private:
    // Designer initialises every control's interface with the same core; the
    // extensions are registered with its manager once.
    void registerExtensions(QExtensionManager *manager);

    QList<QDesignerCustomWidgetInterface *> m_widgets;
    QPointer<QExtensionManager> m_extended;
};
