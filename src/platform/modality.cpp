#include "modality.h"

#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

const char ModalOverProperty[] = "tallyfoldModalOver";

// Whether `window` is `other` or was opened over it, directly or through
// other windows.
bool isOrIsOpenedOver(const QWidget *window, const QWidget *other)
{
    for (const QWidget *w = window; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w == other)
            return true;
    }
    return false;
}

// Keeps the owner's window from taking input while the dialog is shown over
// it, and hands the dialog the keyboard when the owner is clicked or made
// active by the window manager.
class ModalOver : public QObject
{
public:
    ModalOver(QDialog &dialog, QWidget &owner)
        : QObject(&dialog)
        , m_dialog(&dialog)
        , m_ownerWindow(owner.window()->windowHandle())
    {
        dialog.setWindowModality(Qt::NonModal);
        dialog.setProperty(ModalOverProperty, true);
        dialog.installEventFilter(this);
        if (m_ownerWindow)
            m_ownerWindow->installEventFilter(this);
    }
    // Also with its dialog, which is then being destroyed and left alone.
    ~ModalOver() override
    {
        if (m_ownerWindow)
            m_ownerWindow->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog) {
            if (event->type() == QEvent::Hide) {
                release();
                deleteLater();
            }
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            bringBack(m_dialog);
            return true;
        case QEvent::FocusIn:
            // Made active by the window manager: the keyboard belongs to the
            // dialog, once the activation is over.
            QTimer::singleShot(0, m_dialog, [dialog = m_dialog] { bringBack(dialog); });
            return false;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }

private:
    static void bringBack(QDialog *dialog)
    {
        if (!dialog || !dialog->isVisible())
            return;
        dialog->raise();
        dialog->activateWindow();
    }

    void release()
    {
        if (m_ownerWindow)
            m_ownerWindow->removeEventFilter(this);
        if (m_dialog)
            m_dialog->setProperty(ModalOverProperty, QVariant());
    }

    QPointer<QDialog> m_dialog;
    QPointer<QWindow> m_ownerWindow;
};

// A standard control's interface with its actions and edits refused while
// its window is behind a modal one; everything else is the control's own
// interface, which Qt made and which goes with this one.
class RefusingAccessible : public QAccessibleInterface,
                           public QAccessibleActionInterface,
                           public QAccessibleEditableTextInterface,
                           public QAccessibleValueInterface
{
public:
    explicit RefusingAccessible(QAccessibleInterface *inner)
        : m_inner(inner)
        , m_innerId(QAccessible::uniqueId(inner))
        , m_object(inner->object())
    {}
    // The cache dropped this one (its control went, or it was forgotten);
    // the control's own interface, which nothing names any more, goes too.
    ~RefusingAccessible() override { QAccessible::deleteAccessibleInterface(m_innerId); }

    bool isValid() const override { return m_inner->isValid(); }
    // Kept apart: when the application ends with the control still there,
    // Qt's cache may delete the control's own interface before this one,
    // then ask this one for its object.
    QObject *object() const override { return m_object; }
    QWindow *window() const override { return m_inner->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return m_inner->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_inner->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return m_inner->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_inner->parent(); }
    QAccessibleInterface *child(int index) const override { return m_inner->child(index); }
    int childCount() const override { return m_inner->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return m_inner->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return m_inner->text(t); }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (!refused())
            m_inner->setText(t, text);
    }
    QRect rect() const override { return m_inner->rect(); }
    QAccessible::Role role() const override { return m_inner->role(); }
    QAccessible::State state() const override { return m_inner->state(); }
    QColor foregroundColor() const override { return m_inner->foregroundColor(); }
    QColor backgroundColor() const override { return m_inner->backgroundColor(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        void *own = m_inner->interface_cast(type);
        if (!own)
            return nullptr;
        switch (type) {
        case QAccessible::ActionInterface:
            return static_cast<QAccessibleActionInterface *>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface *>(this);
        case QAccessible::ValueInterface:
            return static_cast<QAccessibleValueInterface *>(this);
        default:
            return own;
        }
    }

    // Actions.
    QStringList actionNames() const override { return m_inner->actionInterface()->actionNames(); }
    QString localizedActionName(const QString &name) const override
    {
        return m_inner->actionInterface()->localizedActionName(name);
    }
    QString localizedActionDescription(const QString &name) const override
    {
        return m_inner->actionInterface()->localizedActionDescription(name);
    }
    void doAction(const QString &name) override
    {
        if (!refused())
            m_inner->actionInterface()->doAction(name);
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        return m_inner->actionInterface()->keyBindingsForAction(name);
    }

    // Edits of a text.
    void deleteText(int start, int end) override
    {
        if (!refused())
            m_inner->editableTextInterface()->deleteText(start, end);
    }
    void insertText(int offset, const QString &text) override
    {
        if (!refused())
            m_inner->editableTextInterface()->insertText(offset, text);
    }
    void replaceText(int start, int end, const QString &text) override
    {
        if (!refused())
            m_inner->editableTextInterface()->replaceText(start, end, text);
    }

    // A value.
    QVariant currentValue() const override { return m_inner->valueInterface()->currentValue(); }
    void setCurrentValue(const QVariant &value) override
    {
        if (!refused())
            m_inner->valueInterface()->setCurrentValue(value);
    }
    QVariant maximumValue() const override { return m_inner->valueInterface()->maximumValue(); }
    QVariant minimumValue() const override { return m_inner->valueInterface()->minimumValue(); }
    QVariant minimumStepSize() const override
    {
        return m_inner->valueInterface()->minimumStepSize();
    }

private:
    bool refused() const
    {
        const QObject *control = m_inner->object();
        return !control || isBehindModal(*control);
    }

    QAccessibleInterface *m_inner;
    QAccessible::Id m_innerId;
    QPointer<QObject> m_object;
};

// The control whose interface is being made by Qt's own factories, beneath
// this one.
QObject *&resolving()
{
    static QObject *object = nullptr;
    return object;
}

// Only the standard controls that act or take text or values; the
// program's own controls and everything else are left to their factories.
QAccessibleInterface *refusingFactory(const QString &className, QObject *object)
{
    static const QStringList Guarded{
        QStringLiteral("QPushButton"), QStringLiteral("QCheckBox"),  QStringLiteral("QRadioButton"),
        QStringLiteral("QToolButton"), QStringLiteral("QLineEdit"),  QStringLiteral("QComboBox"),
        QStringLiteral("QSlider"),     QStringLiteral("QScrollBar"), QStringLiteral("QSpinBox")};
    if (!object || !object->isWidgetType() || resolving() == object || !Guarded.contains(className))
        return nullptr;
    QObject *const outer = resolving();
    resolving() = object;
    QAccessibleInterface *inner = QAccessible::queryAccessibleInterface(object);
    resolving() = outer;
    return inner ? new RefusingAccessible(inner) : nullptr;
}

} // namespace

bool isBehindModal(const QWidget &widget)
{
    const QWidget *window = widget.window();
    for (const QWidget *top : QApplication::topLevelWidgets()) {
        if (top == window || !top->isVisible())
            continue;
        if (top->windowModality() == Qt::ApplicationModal) {
            // Everything but the windows opened over it.
            if (!isOrIsOpenedOver(window, top))
                return true;
        } else if (top->windowModality() == Qt::WindowModal ||
                   top->property(ModalOverProperty).toBool()) {
            // The windows it was opened over.
            const QWidget *over = top->parentWidget();
            if (over && isOrIsOpenedOver(over->window(), window))
                return true;
        }
    }
    return false;
}

bool isBehindModal(const QObject &object)
{
    if (object.isWidgetType())
        return isBehindModal(static_cast<const QWidget &>(object));
    if (const auto *action = qobject_cast<const QAction *>(&object)) {
        for (const QObject *host : action->associatedObjects()) {
            if (host->isWidgetType())
                return isBehindModal(static_cast<const QWidget &>(*host));
        }
    }
    return false;
}

void showModalOver(QDialog &dialog, QWidget &owner)
{
    new ModalOver(dialog, owner);
    dialog.show();
}

void refuseAccessibleActionsBehindModals()
{
    installAccessibleFactory(refusingFactory);
}

} // namespace platform
