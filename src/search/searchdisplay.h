#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

class QLabel;
class QListWidget;

// What one running search shows on the main window: the status label's
// progress text and the answers list. The label's text is set at every
// report and new answers are taken at once, but both reach the screen at
// most once a frame: thousands of reports and hundreds of answers would
// otherwise each cost a repaint, and each new line a relayout of the list.
// The label's accessibility notifications follow its repaints.
class SearchDisplay
{
public:
    SearchDisplay(QListWidget *list, QLabel *label);
    // Shows what is still held back and lets the label repaint again.
    ~SearchDisplay();
    SearchDisplay(const SearchDisplay &) = delete;
    SearchDisplay &operator=(const SearchDisplay &) = delete;

    void showProgress(std::int32_t count);
    // A listed form of a hit; one already listed (or held back) is dropped.
    void addAnswer(const QString &answer);
    // Called before each yield: when a frame is due, the held-back answers go
    // into the list and the label may repaint during the yield.
    void beforeYield();
    // Puts the held-back answers into the list now.
    void flushAnswers();

private:
    static constexpr qint64 kFrameMs = 16;
    QPointer<QListWidget> list_;
    QPointer<QLabel> label_;
    QSet<QString> listed_;
    QStringList pending_;
    QElapsedTimer frame_;
    bool heldName_ = false;
};
