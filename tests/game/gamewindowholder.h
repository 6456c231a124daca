#pragma once

#include "gamefrm.h"
#include "gamewindow.h"

#include <QPointer>

#include <utility>

// The main window as the program makes it (deleted when it closes); a window
// the test leaves open is deleted with the holder.
class GameWindowHolder
{
public:
    GameWindowHolder()
        : m_window(createGameWindow())
    {}
    ~GameWindowHolder() { delete m_window.data(); }
    GameWindowHolder(GameWindowHolder &&other) noexcept
        : m_window(std::exchange(other.m_window, nullptr))
    {}
    GameWindowHolder(const GameWindowHolder &) = delete;
    GameWindowHolder &operator=(const GameWindowHolder &) = delete;
    GameWindowHolder &operator=(GameWindowHolder &&) = delete;

    GameFrm *get() const { return m_window.data(); }
    GameFrm *operator->() const { return get(); }
    GameFrm &operator*() const { return *get(); }
    void reset() { delete m_window.data(); }
    explicit operator bool() const { return !m_window.isNull(); }

private:
    QPointer<GameFrm> m_window;
};
