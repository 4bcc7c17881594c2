#pragma once
// Row painter for the flat styles (0 and 1) when the button fills the surface: each row gets the
// host's colour and its face colour in one pass, instead of a box over everything and a line
// over most of it again.
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

class FlatRows {
 public:
  // True when the fast path covers this size: the button fills the surface exactly and is big
  // enough for every band to keep to its own rows.
  static bool Covers(const Surface& s, const FlatSize& size, std::int32_t minH);

  // Reads the host's colour once; a host whose colour cannot be read gets no background, as in
  // FillHostBackground.
  FlatRows(Surface& s, const ButtonLook& look);

  // Row y: columns first..last in px, the rest of 0..W in the host's colour.
  void Row(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px);
  // Row y in the host's colour only.
  void BackgroundRow(std::int32_t y) { Row(y, 1, 0, 0); }
  // Columns first..last of row y in px, over what is there.
  void Fill(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px);

 private:
  Surface::Canvas canvas_{};
  bool hasBack_ = false;  // some colour goes where the face does not reach
  std::uint32_t back_ = 0;
};

}  // namespace gloss
