#pragma once
/// \file
/// The control's integer rules: signed 32-bit values that raise OverflowError instead of
/// wrapping, integer division truncating towards zero, and float-to-integer conversion that
/// rounds halves to even.
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#if defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace gloss {

/// A value left the signed 32-bit range (or a conversion had no finite value).
class OverflowError : public std::overflow_error {
 public:
  OverflowError() : std::overflow_error("Overflow") {}  ///< With the text "Overflow".
};

/// An integer division by zero.
class DivisionByZeroError : public std::domain_error {
 public:
  DivisionByZeroError() : std::domain_error("Division by zero") {}  ///< With the text "Division by zero".
};

/// v, or OverflowError when it is outside the 32-bit range.
inline std::int32_t CheckedInt32(std::int64_t v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw OverflowError();
  return static_cast<std::int32_t>(v);
}

/// a + b, a - b, a * b, or OverflowError.
///@{
inline std::int32_t Add32(std::int32_t a, std::int32_t b) { return CheckedInt32(std::int64_t{a} + b); }
inline std::int32_t Sub32(std::int32_t a, std::int32_t b) { return CheckedInt32(std::int64_t{a} - b); }
inline std::int32_t Mul32(std::int32_t a, std::int32_t b) { return CheckedInt32(std::int64_t{a} * b); }
///@}

/// a \ b: truncates towards zero.
inline std::int32_t IntDiv32(std::int32_t a, std::int32_t b) {
  if (b == 0) throw DivisionByZeroError();
  return CheckedInt32(std::int64_t{a} / b);  // INT32_MIN / -1 overflows
}

/// v rounded to the nearest whole number, halves to even (the default rounding mode). On x86-64
/// one conversion instruction does it: mingw-w64's nearbyint saves and restores the whole
/// floating-point environment and costs about a hundred times as much, on every row drawn.
inline double NearestEven(double v) {
#if defined(__x86_64__) || defined(_M_X64)
  if (std::fabs(v) < 4503599627370496.0) {  // 2^52: beyond it every double is already whole
    const double r = static_cast<double>(_mm_cvtsd_si64(_mm_set_sd(v)));
    return std::copysign(r, v);  // -0.4 gives -0, as nearbyint does
  }
#endif
  return std::nearbyint(v);
}

/// Float to 32-bit integer: nearest, halves to even.
inline std::int32_t CInt32(double v) {
  if (!std::isfinite(v)) throw OverflowError();
  const double r = NearestEven(v);
  if (r < -2147483648.0 || r > 2147483647.0) throw OverflowError();
  return static_cast<std::int32_t>(r);
}

/// 16-bit Boolean as the control stores it: true is -1, false is 0.
///@{
using VBool = std::int16_t;
constexpr VBool VB_TRUE = -1;
constexpr VBool VB_FALSE = 0;
inline VBool ToVBool(bool b) { return b ? VB_TRUE : VB_FALSE; }
///@}

}  // namespace gloss
