#pragma once
// Listens to a GlossButton and writes one timeline of what it does: the events it raises
// ("MouseDown 1 0 0 0") and the states it draws ("draw 3"), in the order they happen.
#include <string>
#include <vector>

#include "glossbutton/GlossButton.h"

namespace gloss::test {

class EventRecorder : public GlossButtonEvents {
 public:
  std::vector<std::string> log;

  // Becomes the button's listener and redraw observer.
  void Attach(GlossButton& button);

  std::vector<std::string> Draws() const;   // only the "draw N" entries
  std::vector<std::string> Events() const;  // only the events
  void Clear() { log.clear(); }

  void OnStatus(const std::string& sStatus) override;
  void OnClick() override;
  void OnDblClick() override;
  void OnMouseEnter() override;
  void OnMouseLeave() override;
  void OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;

  static std::string Mouse(const char* name, std::int16_t Button, std::int16_t Shift, float X, float Y);
};

}  // namespace gloss::test
