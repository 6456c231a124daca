#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QtDesigner/QDesignerPropertySheetExtension>

// Designer's own property sheet reduced to what is wrapped around it: one
// entry per meta property, read from and written to the object, remembering
// the last value written as it arrived.
class FakePropertySheet : public QDesignerPropertySheetExtension
{
public:
    explicit FakePropertySheet(QObject *object)
        : m_object(object)
    {}

    int count() const override { return meta().propertyCount(); }
    int indexOf(const QString &name) const override
    {
        return meta().indexOfProperty(name.toLatin1().constData());
    }
    QString propertyName(int index) const override
    {
        return QString::fromLatin1(meta().property(index).name());
    }
    QString propertyGroup(int) const override { return {}; }
    void setPropertyGroup(int, const QString &) override {}
    bool hasReset(int) const override { return false; }
    bool reset(int) override { return false; }
    bool isVisible(int index) const override { return meta().property(index).isDesignable(); }
    void setVisible(int, bool) override {}
    bool isAttribute(int) const override { return false; }
    void setAttribute(int, bool) override {}
    QVariant property(int index) const override { return meta().property(index).read(m_object); }
    void setProperty(int index, const QVariant &value) override
    {
        lastWritten = value;
        meta().property(index).write(m_object, value);
    }
    bool isChanged(int) const override { return false; }
    void setChanged(int, bool) override {}
    bool isEnabled(int) const override { return true; }

    QVariant lastWritten;

private:
    const QMetaObject &meta() const { return *m_object->metaObject(); }

    QObject *m_object;
};
