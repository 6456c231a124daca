#pragma once

#include "propertybag.h"

#include <optional>

class ButtonEx;

// Loading and saving a ButtonEx's design-time properties in the host's
// property store, under the stored names and defaults, in the fixed orders
// that stored data of the control has always used.
namespace button {

// Applies each stored value through its setter; stops at the first value
// that cannot be read and returns why (the values before it stay applied).
std::optional<platform::PropertyError> readProperties(ButtonEx &button,
                                                      const platform::PropertyBag &bag);

// Appends every value that differs from its stored default.
void writeProperties(const ButtonEx &button, platform::PropertyBag &bag);

} // namespace button
