// The speaker pictures: volume in arc and bar style, the struck-through speaker, and the
// speaker over its slider shown when mute is switched.
#pragma once

#include <cairo.h>

namespace osdgen {

// Speaker with three sound arcs, or with an X when muted, above a wedge-shaped slider.
void DrawSpeakers(cairo_t* context, bool muted);
// Speaker struck through by a diagonal line.
void DrawMuteStrike(cairo_t* context);
// Speaker at the left with `arcs` (1 to 10) sound arcs, shading from blue to green.
void DrawVolumeArcs(cairo_t* context, int arcs);
// Speaker in the centre over a row of ten square bars, `lit` of them lit from the left.
void DrawVolumeBars(cairo_t* context, int lit);

}  // namespace osdgen
