// The groups of pictures the generator writes; each takes paths relative
// to the output root.
#pragma once

#include "canvas.h"

namespace art {

void writeButtons(Output &out);     // toolbar, placement and text editor buttons
void writePanels(Output &out);      // backgrounds, separator, app icon, splash, file icon
void writeSlides(Output &out);      // the getting-started slideshow
void writeStamps(Output &out);      // clip-art watermarks for the gallery

} // namespace art
