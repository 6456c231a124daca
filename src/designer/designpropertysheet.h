#pragma once

#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QtDesigner/QDesignerPropertySheetExtension>

#include <optional>

// Designer's own property sheet for one of our controls, with the control's
// properties put in terms Designer's property editor can edit: 16-bit
// integers as int and 32-bit floats as double (the control still receives its
// own type), and properties it cannot edit at all (pictures, handles,
// read-only values) hidden instead of reported as unsupported. Everything
// else, the indexes included, is Designer's own sheet's.
class DesignPropertySheet : public QObject, public QDesignerPropertySheetExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)

public:
    // base belongs to Designer's own extension factory and lives exactly as
    // long as the control, like this sheet.
    DesignPropertySheet(QDesignerPropertySheetExtension *base, const QObject *control,
                        QObject *parent = nullptr);

    int count() const override { return m_base->count(); }
    int indexOf(const QString &name) const override { return m_base->indexOf(name); }
    QString propertyName(int index) const override { return m_base->propertyName(index); }
    QString propertyGroup(int index) const override { return m_base->propertyGroup(index); }
    void setPropertyGroup(int index, const QString &group) override;
    bool hasReset(int index) const override { return m_base->hasReset(index); }
    bool reset(int index) override { return m_base->reset(index); }
    bool isVisible(int index) const override;
    void setVisible(int index, bool visible) override;
    bool isAttribute(int index) const override { return m_base->isAttribute(index); }
    void setAttribute(int index, bool attribute) override;
    QVariant property(int index) const override;
    void setProperty(int index, const QVariant &value) override;
    bool isChanged(int index) const override { return m_base->isChanged(index); }
    void setChanged(int index, bool changed) override;
    bool isEnabled(int index) const override { return m_base->isEnabled(index); }

private:
    // How the control's own property of that name is shown; absent for the
    // properties shown as Designer's sheet has them.
    enum class Treatment { Hidden, AsInt, AsDouble };
    static std::optional<Treatment> treatmentOf(const QMetaObject &metaObject, const QString &name);
    struct Adjusted
    {
        Treatment treatment;
        QMetaType ownType;
    };
    const Adjusted *adjusted(int index) const;

    QDesignerPropertySheetExtension *m_base;
    QHash<QString, Adjusted> m_adjusted;
};
