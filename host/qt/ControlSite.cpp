#include "host/qt/ControlSite.h"

namespace host {

ControlSite::ControlSite(QWidget* parent)
    : ::GlossButtonWidget(*new GlossButtonWidgetPrivate(*this, /*loaded=*/false), parent) {}

ControlSite::~ControlSite() = default;

::GlossButtonWidget* ControlSite::CreateForDesigner(QWidget* parent) {
  auto* site = new ControlSite(parent);
  site->SetUserMode(false);
  site->ReadProperties(gloss::PropertyBag{});
  return site;
}

gloss::PropertyBag ControlSite::Properties() const {
  gloss::PropertyBag bag;
  Button().WriteProperties(bag);
  return bag;
}

}  // namespace host
