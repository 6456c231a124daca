#pragma once

#include <QString>

#include <optional>

// Access keys and caption text: a caption marks its access key with the first
// single "&"; "&&" stands for a literal ampersand.
namespace button {

// The access key a caption names: the character after its first single "&",
// an empty string when that "&" ends the caption, or nullopt when the caption
// has no single "&" at all (the earlier key then stays in force).
std::optional<QString> accessKeyOf(const QString &caption);

// The caption as it is measured for centring: its first "&" removed, and only
// that one.
QString withoutFirstAmpersand(const QString &caption);

} // namespace button
