#pragma once

#include "surface.h"

// The small codes the push button shares between its properties, its drawing
// and its input handling, and the edges each border style draws.
namespace button {

// How the button is drawn; also the values of its Value property.
namespace State {
inline constexpr int Down = 0;
inline constexpr int Up = 1;
inline constexpr int Over = 2;
inline constexpr int Disabled = 3;
inline constexpr int Focus = 4;
} // namespace State

namespace Appearance {
inline constexpr int Flat = 0;
inline constexpr int ThreeD = 1;
inline constexpr int Skinned = 2;
} // namespace Appearance

namespace Style {
inline constexpr int Push = 0;
inline constexpr int Toggle = 1;
} // namespace Style

// The edge drawn at rest or under the pointer, and the one drawn pressed.
// Zero means no edge.
struct BorderEdges
{
    unsigned raised = 0;
    unsigned pressed = 0;
};

constexpr BorderEdges bordersFor(int borderStyle)
{
    using namespace platform::Edge;
    switch (borderStyle) {
    case 0:
        // Plain at rest: the raised edge appears only under the pointer.
        return {Raised, 0};
    case 2:
        return {Bump, Etched};
    case 3:
    case 4:
        return {RaisedInner, SunkenOuter};
    case 1:
    default:
        return {Raised, Sunken};
    }
}

} // namespace button
