// The power-source pictures: the mains plug (AC power) and the battery.
#pragma once

#include <cairo.h>

namespace osdgen {

// Two-pin mains plug on its cable, lying horizontally with the pins to the right.
void DrawAcPower(cairo_t* context);
// Horizontal battery, its left half filled, an arrow inside pointing to the terminal.
void DrawBattery(cairo_t* context);

}  // namespace osdgen
