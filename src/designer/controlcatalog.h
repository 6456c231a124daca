#pragma once

#include "controldescription.h"

// The three controls the plugin offers, in the order of the widget box.
namespace controlcatalog {

ControlDescription dial();
ControlDescription button();
ControlDescription tabStrip();

} // namespace controlcatalog
