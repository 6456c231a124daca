// The number boxes: the 16-bit reading of a box's text, the settings window's
// checks built on it, and the digit key filter, which must keep anything but
// '0'-'9' out of a box whatever keys arrive.

#include "fuzzcheck.h"
#include "globalbas.h"
#include "numericbox.h"
#include "settingsrules.h"
#include "variant.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringDecoder>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

// An independent reading of the rule: blanks around, an optional sign, then
// one or more of '0'-'9' and nothing else, in -32768..32767.
std::optional<int> referenceInt16(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).isSpace())
        ++begin;
    while (end > begin && text.at(end - 1).isSpace())
        --end;
    int sign = 1;
    if (begin < end && (text.at(begin) == u'-' || text.at(begin) == u'+')) {
        sign = text.at(begin) == u'-' ? -1 : 1;
        ++begin;
    }
    if (begin == end)
        return std::nullopt;
    long long value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (value < 1000000) // enough to be out of range, small enough not to overflow
            value = value * 10 + (c - u'0');
    }
    value *= sign;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return int(value);
}

void checkParse(const QString &text)
{
    const std::optional<qint16> parsed = platform::parseInt16(text);
    const std::optional<int> expected = referenceInt16(text);
    FUZZ_CHECK(parsed.has_value() == expected.has_value());
    if (parsed)
        FUZZ_CHECK(int(*parsed) == *expected);
}

void checkSettingsRules(const QString &lowest, const QString &highest)
{
    const auto low = referenceInt16(lowest);
    const auto high = referenceInt16(highest);

    // A bound below 1 is told with the range message: the store cannot keep it.
    const settingsrules::BoxCheck lowCheck = settingsrules::checkLowestBox(lowest);
    const bool lowTooSmall = low && *low < 1;
    FUZZ_CHECK(lowCheck.cancel == (!low || lowTooSmall));
    FUZZ_CHECK(lowCheck.replacement ==
               (lowCheck.cancel ? std::optional<QString>(QStringLiteral("101")) : std::nullopt));
    FUZZ_CHECK(lowCheck.showRangeMessage == lowTooSmall);

    const settingsrules::BoxCheck highCheck = settingsrules::checkHighestBox(lowest, highest);
    const bool badHigh = high && (*high < 1 || (low && *high < *low));
    FUZZ_CHECK(highCheck.cancel == (!high || badHigh));
    FUZZ_CHECK(highCheck.replacement ==
               (highCheck.cancel ? std::optional<QString>(QStringLiteral("999")) : std::nullopt));
    FUZZ_CHECK(highCheck.showRangeMessage == badHigh);

    // A stored target bound that is a plain 16-bit number of at least 1
    // reads as that number; anything else as the default.
    const qint16 bound = GLOBALbas::ReadLowestTarget(Variant(lowest));
    if (lowest.isEmpty())
        FUZZ_CHECK(bound == 101);
    if (low)
        FUZZ_CHECK(bound == (*low >= 1 ? *low : 101));
    // The time allowed is always one the clock can run: 30 to 60 ticks.
    const qint16 seconds = GLOBALbas::ReadTimeAllowed(Variant(lowest));
    FUZZ_CHECK(seconds >= 30 && seconds <= 60);
}

void checkStoredInteger(qint32 n)
{
    const qint16 bound = GLOBALbas::ReadLowestTarget(Variant(n));
    FUZZ_CHECK(bound == (n >= 1 && n <= 32767 ? n : 101));
}

// ---- the key filter ----

// Keys are slow next to parsing; a long input adds little a short one cannot.
constexpr qsizetype MaxKeys = 64;

QLineEdit *box = nullptr;

bool onlyDigits(const QString &text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

void sendKey(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    // Only presses type and only they are filtered; a box ignores releases.
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(box, &press);
}

void sendCommit(const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

// Editing keys and shortcuts, played for the control codes below 0x20 that
// stand for them; Shift+Insert and Ctrl+V paste (only digits can have been
// copied), Ctrl+Z undoes and Ctrl+Y redoes.
struct EditingKey
{
    uchar code;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char *text;
};
constexpr EditingKey EditingKeys[] = {
    {0x01, Qt::Key_Left, Qt::NoModifier, ""},
    {0x02, Qt::Key_Right, Qt::NoModifier, ""},
    {0x03, Qt::Key_Home, Qt::NoModifier, ""},
    {0x04, Qt::Key_End, Qt::NoModifier, ""},
    {0x05, Qt::Key_Delete, Qt::NoModifier, ""},
    {0x06, Qt::Key_A, Qt::ControlModifier, "\x01"},
    {0x07, Qt::Key_Z, Qt::ControlModifier, ""},
    {0x08, Qt::Key_Backspace, Qt::NoModifier, "\b"},
    {0x09, Qt::Key_Tab, Qt::NoModifier, "\t"},
    {0x0A, Qt::Key_X, Qt::ControlModifier, ""},
    {0x0B, Qt::Key_C, Qt::ControlModifier, ""},
    {0x0C, Qt::Key_V, Qt::ControlModifier, ""},
    {0x0D, Qt::Key_Return, Qt::NoModifier, "\r"},
    {0x0E, Qt::Key_Insert, Qt::ShiftModifier, ""},
    {0x0F, Qt::Key_Left, Qt::ShiftModifier, ""},
    {0x10, Qt::Key_Y, Qt::ControlModifier, ""},
    {0x11, Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {0x13, Qt::Key_Backspace, Qt::ControlModifier, ""},
    {0x14, Qt::Key_Delete, Qt::ControlModifier, ""},
    {0x15, Qt::Key_Home, Qt::ShiftModifier, ""},
    {0x16, Qt::Key_V, Qt::ControlModifier, "\x16"},
};

// An input method commits the text up to the next one of these at once.
constexpr char InputMethodCode = 0x12;

// The character `bytes` starts with in UTF-8, or its first byte as Latin-1;
// `used` is how many bytes it took.
QString typedCharacter(QByteArrayView bytes, qsizetype *used)
{
    const uchar b = uchar(bytes[0]);
    qsizetype length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    length = qMin(length, bytes.size());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes.first(length));
    if (utf8.hasError() || text.isEmpty()) {
        *used = 1;
        return QString(QChar(b));
    }
    *used = length;
    return text;
}

// Plays bytes as keys and input-method text, checking the box after each.
void playKeys(QByteArrayView bytes)
{
    box->setText(QString()); // also forgets the undo history
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar b = uchar(bytes[i]);
        if (b == InputMethodCode) {
            qsizetype end = bytes.indexOf(InputMethodCode, i + 1);
            if (end < 0)
                end = bytes.size();
            sendCommit(QString::fromUtf8(bytes.sliced(i + 1, end - i - 1)));
            i = end + 1;
        } else if (const auto *editing =
                       std::find_if(std::begin(EditingKeys), std::end(EditingKeys),
                                    [b](const EditingKey &k) { return k.code == b; });
                   editing != std::end(EditingKeys)) {
            sendKey(editing->key, editing->modifiers, QString::fromLatin1(editing->text));
            ++i;
        } else {
            qsizetype used = 1;
            const QString text = typedCharacter(bytes.sliced(i), &used);
            const char32_t first = text.toUcs4().value(0);
            const int key = text.size() <= 2 ? int(QChar::toUpper(first)) : int(Qt::Key_unknown);
            sendKey(key, Qt::NoModifier, text);
            i += used;
        }
        FUZZ_CHECK(onlyDigits(box->text()));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole run and never destroyed: libFuzzer leaves through
    // exit(), where Qt's objects cannot be torn down in a safe order.
    new QApplication(*argc, *argv);
    box = new QLineEdit;
    platform::installDigitKeyFilter(box);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const QString text = QString::fromUtf8(bytes);
    checkParse(text);
    // UTF-16 straight from the bytes reaches lone surrogates and any code unit.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    checkParse(units);

    const qsizetype newline = text.indexOf(u'\n');
    if (newline < 0)
        checkSettingsRules(text, text);
    else
        checkSettingsRules(text.first(newline), text.sliced(newline + 1));
    if (size >= 4) {
        qint32 n;
        std::memcpy(&n, data, 4);
        checkStoredInteger(n);
    }

    playKeys(bytes.first(qMin<qsizetype>(bytes.size(), MaxKeys)));
    // What the box posted to itself (repaints, deferred deletes) goes now,
    // or it piles up over millions of runs.
    QCoreApplication::sendPostedEvents();
    return 0;
}
