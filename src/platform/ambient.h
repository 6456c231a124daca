#pragma once

#include <QFont>
#include <QGuiApplication>

#include <optional>

namespace platform {

// What a host window tells its controls: user mode (false inside a form
// designer, where controls show neither focus nor default looks), the font new
// controls take, and whether the control is the window's default button.
// Controls take it through setAmbient() and react to the names that changed.
struct Ambient
{
    bool userMode = true;
    std::optional<QFont> font; // nullopt: the application's font
    bool displayAsDefault = false;

    QFont resolvedFont() const { return font ? *font : QGuiApplication::font(); }
};

} // namespace platform
