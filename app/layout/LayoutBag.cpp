#include "app/layout/LayoutBag.h"

namespace app {

gloss::PropertyBag MakePropertyBag(const std::vector<StoredProperty>& properties) {
  gloss::PropertyBag bag;
  for (const auto& p : properties) {
    switch (p.value.type) {
      case StoredValue::Type::Long: bag.WriteInt32(p.key, p.value.longValue); break;
      case StoredValue::Type::Boolean: bag.WriteBoolean(p.key, p.value.booleanValue != 0); break;
      case StoredValue::Type::Text: bag.WriteText(p.key, p.value.textValue); break;
      case StoredValue::Type::Font: bag.WriteFont(p.key, p.value.fontValue); break;
    }
  }
  return bag;
}

}  // namespace app
