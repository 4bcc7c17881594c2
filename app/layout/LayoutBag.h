#pragma once
// A button's stored property set from the layout, as the bag its ReadProperties takes.
#include <vector>

#include "glossbutton/PropertyBag.h"
#include "app/layout/Layout.h"

namespace app {

// Every stored value is written as it was stored (none is a default), in stored order.
gloss::PropertyBag MakePropertyBag(const std::vector<StoredProperty>& properties);

}  // namespace app
