#pragma once

#include "propertywriter.h"

#include <QPointer>

class QDesignerFormWindowInterface;

// Writes through Designer's form window, as undoable property commands that
// mark the form changed; one apply is one undo step. Without a form window the
// property is set on the control itself.
class FormWindowWriter : public PropertyWriter
{
public:
    explicit FormWindowWriter(QDesignerFormWindowInterface *form);

    void begin(const QString &description) override;
    void write(QWidget *control, const QString &name, const QVariant &value) override;
    void end() override;

private:
    QPointer<QDesignerFormWindowInterface> m_form;
};
