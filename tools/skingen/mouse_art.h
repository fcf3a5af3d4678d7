#pragma once

#include <QPainter>

namespace skingen {

// A top view of the mouse with a numbered marker on each of its ten buttons, centred on
// `centreX` between `top` and `bottom`. The numbers match the badges of the function slots.
void drawMouseArt(QPainter& p, int centreX, int top, int bottom);

} // namespace skingen
