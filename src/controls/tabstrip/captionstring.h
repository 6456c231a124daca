#pragma once

#include <QString>

// The tab strip keeps all its captions in one string, each caption ended by a
// bar: "Tab0|Tab1|...|". These helpers read and replace one caption in such a
// string without disturbing the others.
namespace tabstrip {

inline constexpr QChar kCaptionBar = QLatin1Char('|');

// Piece index of the string split at every bar (counting from 0); empty when
// the string has no such piece or the index is negative.
QString captionPiece(const QString &captions, int index);

// How many captions the string holds: every bar ends one, and text after the
// last bar counts as one more. "A|B|" and "A|B" both hold two; "" holds none.
int captionCount(const QString &captions);

// The string with piece index replaced by text, every bar kept. The new
// caption always ends with a bar: one is added when the piece was the text
// after the last bar, and an index past the last bar first gets the missing
// empty captions. A negative index changes nothing.
QString replaceCaptionPiece(const QString &captions, int index, const QString &text);

} // namespace tabstrip
