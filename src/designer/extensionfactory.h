#pragma once

#include <QtDesigner/QExtensionFactory>

class QExtensionManager;

// Makes the Designer extensions of our controls: for each of them a property
// sheet over Designer's own (DesignPropertySheet), and for the tab strip the
// context-menu entry that opens its property page.
class ExtensionFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit ExtensionFactory(QExtensionManager *manager);

    // Registers a new factory with the manager for both kinds of extension;
    // the manager owns it.
    static void registerWith(QExtensionManager *manager);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;

private:
    // Set while Designer's own sheet is fetched from the manager, which asks
    // this factory first.
    mutable bool m_fetchingBase = false;
};
