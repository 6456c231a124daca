#pragma once

#include <QLabel>

// The target display. Its face is huge, so a number whose ink would run past
// the edges (a target of more digits than usual, or rounding on a scaled
// screen) is drawn just small enough to fit instead of being cut off.
class TargetLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // `face`, or the same face just small enough for `number`'s ink, drawn
    // centred, to stay inside a box of `room`.
    static QFont fittedFont(const QFont &face, const QString &number, QSize room);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_fittedFor;
    QFont m_face;
    QSize m_fittedRoom;
    QFont m_fitted;
};
