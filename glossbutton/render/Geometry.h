#pragma once
// Point-in-shape tests for the rounded faces and the window shape. The shapes are open: their
// outermost rows and columns count as outside.
#include <cstdint>

namespace gloss {

// Is a point at row y, offset columns beside the centre, inside a circle of the given radius
// whose centre lies at row radius?
bool CircleTest(std::int32_t offset, std::int32_t y, std::int32_t radius);

// Is (x, y) inside the rectangle (left, top, width, height) with corners of the given radius?
bool RoundCornerTest(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top, std::int32_t width,
                     std::int32_t height, std::int32_t radius);

}  // namespace gloss
