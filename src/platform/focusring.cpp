#include "focusring.h"

#include "accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace platform {

namespace {

// The ring's width in logical pixels: two black, one white.
constexpr int OuterWidth = 2;
constexpr int InnerWidth = 1;
constexpr int RingWidth = OuterWidth + InnerWidth;

// Drawn outside the control, over its neighbours, in the control's parent;
// it follows the control as it moves, resizes, hides or goes, and lets
// everything but the ring show through.
class FocusRing : public QWidget
{
public:
    static constexpr QLatin1StringView Name{"tallyfoldFocusRing"};

    explicit FocusRing(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(Name);
        installAccessibleFactory(hiddenFromAssistiveTechnologies);
        forgetAccessibleInterface(*this);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    QWidget *target() const { return m_target; }

    void setTarget(QWidget *target)
    {
        unwatch();
        m_target = target;
        if (!target) {
            hide();
            return;
        }
        fit();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect outer = rect();
        painter.fillRect(outer, Qt::black);
        painter.fillRect(outer.adjusted(OuterWidth, OuterWidth, -OuterWidth, -OuterWidth),
                         Qt::white);
    }

    void resizeEvent(QResizeEvent *) override
    {
        const QRect outer = rect();
        setMask(QRegion(outer).subtracted(
            QRegion(outer.adjusted(RingWidth, RingWidth, -RingWidth, -RingWidth))));
    }

    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (m_watched.contains(watched)) {
            switch (e->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::ParentChange:
            case QEvent::ZOrderChange:
                fit();
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    // The ring only shows what the focused control already tells a screen
    // reader: to it, the ring is not there.
    class Hidden : public QAccessibleWidget
    {
    public:
        explicit Hidden(QWidget *ring)
            : QAccessibleWidget(ring)
        {}
        QAccessible::State state() const override
        {
            QAccessible::State s = QAccessibleWidget::state();
            s.invisible = true;
            return s;
        }
    };
    static QAccessibleInterface *hiddenFromAssistiveTechnologies(const QString &className,
                                                                 QObject *object)
    {
        if (className == QLatin1String("QWidget") && object && object->objectName() == Name)
            return new Hidden(static_cast<QWidget *>(object));
        return nullptr;
    }

    // The ring goes into the nearest of the control's ancestors that has room
    // for it all: a control at the edge of a page or a tab widget (a dialog's
    // buttons, a tab bar) would otherwise have the ring cut off along that
    // edge. It watches every widget between, any of which may move.
    void fit()
    {
        QWidget *target = m_target;
        if (!target || !target->isVisible() || !target->parentWidget()) {
            hide();
            return;
        }
        QWidget *host = target->parentWidget();
        QRect ring;
        for (;; host = host->parentWidget()) {
            ring = QRect(target->mapTo(host, QPoint(0, 0)), target->size())
                       .adjusted(-RingWidth, -RingWidth, RingWidth, RingWidth);
            if (host->rect().contains(ring) || host->isWindow())
                break;
        }
        unwatch();
        for (QWidget *w = target; w && w != host; w = w->parentWidget()) {
            w->installEventFilter(this);
            m_watched.append(w);
        }
        if (parentWidget() != host)
            setParent(host);
        setGeometry(ring);
        raise();
        show();
    }

    void unwatch()
    {
        for (const QPointer<QWidget> &w : std::as_const(m_watched)) {
            if (w)
                w->removeEventFilter(this);
        }
        m_watched.clear();
    }

    QPointer<QWidget> m_target;
    QList<QPointer<QWidget>> m_watched; // the control and its ancestors below the ring's
};

class KeyboardFocusWatch : public QObject
{
public:
    KeyboardFocusWatch()
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget *, QWidget *now) { follow(now); });
    }

    QWidget *target() const { return m_ring && m_ring->isVisible() ? m_ring->target() : nullptr; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            if (!m_keyboard) {
                m_keyboard = true;
                follow(QApplication::focusWidget());
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            if (m_keyboard) {
                m_keyboard = false;
                follow(nullptr);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow(QWidget *focus)
    {
        // A window has no ring of its own; nor does a control without a parent.
        if (focus && (focus->isWindow() || !focus->parentWidget()))
            focus = nullptr;
        if (!m_keyboard || !focus) {
            if (m_ring)
                m_ring->setTarget(nullptr);
            return;
        }
        // The ring lives beside the control it is round, and goes with its
        // window when that closes.
        if (!m_ring)
            m_ring = new FocusRing(focus->parentWidget());
        m_ring->setTarget(focus);
    }

    QPointer<FocusRing> m_ring;
    bool m_keyboard = false;
};

QPointer<KeyboardFocusWatch> &watch()
{
    static QPointer<KeyboardFocusWatch> instance;
    return instance;
}

} // namespace

void showKeyboardFocus()
{
    if (watch() || !qApp)
        return;
    watch() = new KeyboardFocusWatch;
    watch()->setParent(qApp); // goes with the application
}

QWidget *keyboardFocusRingTarget()
{
    return watch() ? watch()->target() : nullptr;
}

} // namespace platform
