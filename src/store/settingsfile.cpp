#include "settingsfile.h"

#include <QSet>
#include <QtEndian>

#include <optional>

namespace platform::settingsfile {

namespace {

std::optional<quint64> parseDecimal(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 20)
        return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    bool ok = false;
    const quint64 v = text.toByteArray().toULongLong(&ok, 10);
    return ok ? std::optional<quint64>(v) : std::nullopt;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool parseLine(QByteArrayView line, QString *name, StoreValue *value)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    *name = QString::fromUtf8(QByteArray::fromPercentEncoding(line.first(eq).toByteArray()));
    const QByteArrayView rest = line.sliced(eq + 1);
    if (rest.startsWith("dword:")) {
        const auto v = parseDecimal(rest.sliced(6));
        if (!v || *v > 0xFFFFFFFFull)
            return false;
        value->type = RegType::Dword;
        value->data.assign(4, '\0');
        qToLittleEndian(static_cast<quint32>(*v), value->data.data());
        return true;
    }
    if (!rest.startsWith("hex("))
        return false;
    const qsizetype close = rest.indexOf("):");
    if (close < 0)
        return false;
    const auto type = parseDecimal(rest.sliced(4, close - 4));
    if (!type || *type > 0xFFFFFFFFull)
        return false;
    const QByteArrayView hex = rest.sliced(close + 2);
    if (hex.size() % 2 != 0)
        return false;
    for (char c : hex) {
        if (!isHexDigit(c))
            return false;
    }
    value->type = static_cast<quint32>(*type);
    value->data = QByteArray::fromHex(hex.toByteArray()).toStdString();
    return true;
}

} // namespace

ParseResult parse(QByteArrayView content, Entries *entries)
{
    entries->clear();
    if (content.size() > MaxFileSize)
        return ParseResult::Corrupt;
    // The store matches names with QString::compare(..., Qt::CaseInsensitive),
    // which folds one code point at a time exactly as toCaseFolded() does for
    // text decoded from UTF-8 (it has no lone surrogates, which toCaseFolded
    // would replace), so equal folded names are the duplicates. A set keeps a
    // file of many short lines from costing a comparison per pair of lines.
    QSet<QString> folded;
    ParseResult result = ParseResult::Ok;
    qsizetype start = 0;
    while (start <= content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        QByteArrayView line = content.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        QString name;
        StoreValue value;
        if (!parseLine(line, &name, &value)) {
            result = ParseResult::Damaged;
            continue;
        }
        // The first of two names the store cannot tell apart is the one kept.
        const qsizetype before = folded.size();
        folded.insert(name.toCaseFolded());
        if (folded.size() == before) {
            result = ParseResult::Damaged;
            continue;
        }
        entries->emplace_back(std::move(name), std::move(value));
    }
    return result;
}

QByteArray format(const Entries &entries)
{
    QByteArray out = "# Tallyfold settings: name=dword:<number> or name=hex(<type>):<bytes>\n";
    for (const auto &[name, value] : entries) {
        out += name.toUtf8().toPercentEncoding();
        if (value.type == RegType::Dword && value.data.size() == 4) {
            out += "=dword:" + QByteArray::number(qFromLittleEndian<quint32>(value.data.data()));
        } else {
            out += "=hex(" + QByteArray::number(value.type) +
                   "):" + QByteArray::fromStdString(value.data).toHex();
        }
        out += '\n';
    }
    return out;
}

} // namespace platform::settingsfile
