// Lengths set in pixels at 96 DPI, taken to another display scaling, and the
// choice among the scalings the pictures are drawn for. Portable.
#pragma once

const int BASE_DPI = 96;

// n * dpi / 96, rounded half away from zero as the system's MulDiv rounds. A DPI
// of 0 or less (a failed query) counts as 96.
int ScaleToDpi(int n, int dpi);

// The DPIs with pictures of their own; index 0 is the 96-DPI bitmap.
const int kArtDpis[] = {96, 120, 144, 192};
const int ART_DPI_COUNT = sizeof kArtDpis / sizeof kArtDpis[0];

// Which of kArtDpis to draw at a DPI (its index): the exact one, or else the
// smallest that is larger, so that in-between scalings shrink a finer picture;
// beyond the largest, the largest.
int ArtIndexForDpi(int dpi);
