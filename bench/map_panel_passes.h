// SPDX-License-Identifier: MIT
#pragma once
// The map panel as a pass of the main loop draws it while the view changes:
// the player turning with the map shown, and a stroke dragged across the
// editor's map, the panel drawn after each move; at the start and in the
// middle of the hall. Neither may take longer
// than copying the view's finished frame, and a pass of the stroke may not
// allocate.

class RecordingReporter;

void registerMapPanelPasses();
// The table of the panel's passes against the copy of the view's frame.
void printMapPanelRatios(const RecordingReporter& reporter);
