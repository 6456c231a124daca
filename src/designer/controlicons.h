#pragma once

#include <QIcon>

// The widget-box icons of the three controls, drawn here at the sizes Designer
// shows them.
namespace controlicons {

QIcon dial();
QIcon button();
QIcon tabStrip();

} // namespace controlicons
