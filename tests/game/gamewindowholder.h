#pragma once

#include "buttonex.h"
#include "gamefrm.h"
#include "gamewindow.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <utility>

// The main window as the program makes it (deleted when it closes), playing
// by the given settings; a window the test leaves open is deleted with the
// holder.
class GameWindowHolder
{
public:
    explicit GameWindowHolder(const GameSettings &settings = {})
        : m_window(createGameWindow(settings))
    {}
    ~GameWindowHolder() { delete m_window.data(); }
    GameWindowHolder(GameWindowHolder &&other) noexcept
        : m_window(std::exchange(other.m_window, nullptr))
    {}
    GameWindowHolder(const GameWindowHolder &) = delete;
    GameWindowHolder &operator=(const GameWindowHolder &) = delete;
    GameWindowHolder &operator=(GameWindowHolder &&) = delete;

    // A window shown as the program shows it and exposed; an empty holder
    // when it never got exposed.
    static GameWindowHolder shown(const GameSettings &settings = {})
    {
        GameWindowHolder window(settings);
        showGameWindow(*window);
        if (!QTest::qWaitForWindowExposed(window.get()))
            window.reset();
        return window;
    }

    GameFrm *get() const { return m_window.data(); }
    GameFrm *operator->() const { return get(); }
    GameFrm &operator*() const { return *get(); }
    void reset() { delete m_window.data(); }
    explicit operator bool() const { return !m_window.isNull(); }

private:
    QPointer<GameFrm> m_window;
};

// Runs `action` on the modal window of type Window as soon as it is open,
// from inside its modal loop; whatever the action leaves open is closed
// afterwards, so a failed check never leaves the test waiting on a window.
template <typename Window> void whenOpen(QObject *context, std::function<void(Window &)> action)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, action = std::move(action)] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(*window);
        if (window->isVisible())
            window->reject();
    });
    poll->start(10);
}

// A player's click in the middle of a control they can see and use.
inline void click(QWidget *widget)
{
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// The tiles still face down on the board.
inline int visibleTiles(const GameFrm &window)
{
    return int(std::count_if(window.controls().btnPick.begin(), window.controls().btnPick.end(),
                             [](const ButtonEx *tile) { return tile->isVisible(); }));
}

// The six number labels' texts, left to right.
inline QStringList labelTexts(const GameFrm &window)
{
    QStringList texts;
    for (const QLabel *label : window.controls().Label2)
        texts << label->text();
    return texts;
}
