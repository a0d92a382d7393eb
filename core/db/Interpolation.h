#pragma once
// Straight line through two points, evaluated at x (also outside the two points).
// When the two x are closer than 0.1 the first y is the answer if the two y are within
// 0.1 of each other; otherwise a notice (text 3296) is shown and 0 returned.
float InterpoliereLinear(float x1, float x2, float x, float y1, float y2);
