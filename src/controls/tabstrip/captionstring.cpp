#include "captionstring.h"

namespace tabstrip {

namespace {

// Position of the bar that ends piece index - 1 (the index-th bar, counting
// from 1), or -1 when the string has fewer bars.
qsizetype barBefore(const QString &captions, int index)
{
    qsizetype position = -1;
    for (int found = 0; found < index; ++found) {
        position = captions.indexOf(kCaptionBar, position + 1);
        if (position < 0)
            return -1;
    }
    return position;
}

} // namespace

QString captionPiece(const QString &captions, int index)
{
    if (index < 0)
        return {};
    const qsizetype start = index == 0 ? 0 : barBefore(captions, index) + 1;
    if (index > 0 && start == 0)
        return {};
    const qsizetype end = captions.indexOf(kCaptionBar, start);
    return end < 0 ? captions.mid(start) : captions.mid(start, end - start);
}

int captionCount(const QString &captions)
{
    const int bars = static_cast<int>(captions.count(kCaptionBar));
    const bool openTail = !captions.isEmpty() && !captions.endsWith(kCaptionBar);
    return bars + (openTail ? 1 : 0);
}

QString replaceCaptionPiece(const QString &captions, int index, const QString &text)
{
    if (index < 0)
        return captions;

    if (index > 0 && barBefore(captions, index) < 0) {
        // Too few pieces: close the open tail, if any, and add empty captions
        // up to the one being written, which then ends the string.
        QString padded = captions;
        const int bars = static_cast<int>(captions.count(kCaptionBar));
        padded.append(QString(index - bars, kCaptionBar));
        return padded + text + kCaptionBar;
    }

    // Keep everything up to and including the bar before the piece, and from
    // the bar that ends the piece on. A last piece had no bar of its own; the
    // caption written there gets one, as every caption should.
    const qsizetype before = index == 0 ? -1 : barBefore(captions, index);
    const qsizetype after = captions.indexOf(kCaptionBar, before + 1);
    QString result = captions.left(before + 1) + text;
    if (after >= 0)
        result += QStringView(captions).mid(after);
    else
        result += kCaptionBar;
    return result;
}

} // namespace tabstrip
