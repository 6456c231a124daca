#pragma once

#include <QObject>
#include <QStringList>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

namespace solver {
struct CompleteResult;
}

// One search at a time, on a thread of its own, so that the window's thread
// never waits for the solver. What the search finds reaches this object's
// thread through queued calls, gathered so that they arrive at most once a
// display frame: thousands of progress reports and hundreds of answers would
// otherwise each cost a repaint.
class SearchRun : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        std::array<std::int32_t, 6> numbers{}; // largest first, as the board gives them
        std::int32_t target = 0;
        // Answers already listed (kept from a stopped search): never reported again.
        QStringList listed;
        // With no answer at all at the end, run the complete search as well.
        bool completeWhenEmpty = false;
    };

    // How a search ended, with what it found since the last report.
    struct End
    {
        bool finished = false; // false: stopped before its end
        std::int32_t combinations = 0;
        QStringList newAnswers;
        std::shared_ptr<const solver::CompleteResult> complete; // only when it ran
    };

    explicit SearchRun(QObject *parent = nullptr);
    // Stops a running search and waits for its thread.
    ~SearchRun() override;
    SearchRun(const SearchRun &) = delete;
    SearchRun &operator=(const SearchRun &) = delete;

    // Starts a search; false, with nothing started, when one is still running
    // or the numbers are not six the board can give.
    bool start(const Request &request);
    // Asks a running search to stop at its next check; it still reports its
    // end through ended(), as stopped even if the thread had got to the end.
    void requestStop();
    // Stops a running search and waits until its thread has gone; nothing it
    // found is reported any more.
    void stopAndWait();
    // From start() until ended() has been emitted.
    bool isRunning() const { return m_running; }

    // The longest the thread goes between two reports, in milliseconds.
    static constexpr int FrameMs = 16;

signals:
    void progressed(const QStringList &newAnswers, std::int32_t combinations);
    void ended(const SearchRun::End &end);

private:
    void work(Request request, quint64 generation);
    void post(quint64 generation, QStringList answers, std::int32_t combinations);
    void postEnd(quint64 generation, End end);
    void join();

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    // Reports from a search that was stopped and waited for may still be
    // queued when the next one starts: each carries its search's number.
    quint64 m_generation = 0;
    bool m_running = false;
};
