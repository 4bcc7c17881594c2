#include "tests/support/EventRecorder.h"

#include <sstream>

namespace gloss::test {

void EventRecorder::Attach(GlossButton& button) {
  button.SetEventListener(this);
  button.SetRedrawObserver([this](std::int32_t state) { log.push_back("draw " + std::to_string(state)); });
}

std::vector<std::string> EventRecorder::Draws() const {
  std::vector<std::string> out;
  for (const auto& s : log)
    if (s.rfind("draw ", 0) == 0) out.push_back(s);
  return out;
}

std::vector<std::string> EventRecorder::Events() const {
  std::vector<std::string> out;
  for (const auto& s : log)
    if (s.rfind("draw ", 0) != 0) out.push_back(s);
  return out;
}

std::string EventRecorder::Mouse(const char* name, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  std::ostringstream os;
  os << name << ' ' << Button << ' ' << Shift << ' ' << X << ' ' << Y;
  return os.str();
}

void EventRecorder::OnStatus(const std::string& sStatus) { log.push_back("Status " + sStatus); }
void EventRecorder::OnClick() { log.push_back("Click"); }
void EventRecorder::OnDblClick() { log.push_back("DblClick"); }
void EventRecorder::OnMouseEnter() { log.push_back("MouseEnter"); }
void EventRecorder::OnMouseLeave() { log.push_back("MouseLeave"); }
void EventRecorder::OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  log.push_back(Mouse("MouseMove", Button, Shift, X, Y));
}
void EventRecorder::OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  log.push_back(Mouse("MouseUp", Button, Shift, X, Y));
}
void EventRecorder::OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  log.push_back(Mouse("MouseDown", Button, Shift, X, Y));
}

}  // namespace gloss::test
