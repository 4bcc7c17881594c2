// The control without Qt: an off-screen surface of the renderers, filled and read back.
#include <GlossButton/GlossButton.h>

int main() {
  gloss::Surface surface(25, 25);
  return surface.Width() == 25 ? 0 : 1;
}
