#pragma once
/// \file
/// The mouse pointer kinds a control asks its host for (the MousePointer property's values).
#include <cstdint>

namespace gloss {

constexpr std::int32_t kPointerArrow = 1;    ///< The arrow.
constexpr std::int32_t kPointerCustom = 99;  ///< the control's own image, or the hand when it has none

}  // namespace gloss
