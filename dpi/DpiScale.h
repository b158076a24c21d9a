// Lengths set in pixels at 96 DPI, taken to another display scaling, and the
// choice among the scalings the pictures are drawn for. Portable.
#pragma once

const int BASE_DPI = 96;

// n * dpi / 96, rounded half away from zero as the system's MulDiv rounds. A DPI
// of 0 or less (a failed query) counts as 96.
int ScaleToDpi(int n, int dpi);

// n set at nFromDpi, taken to nToDpi: n * nToDpi / nFromDpi, rounded as above. Up and
// back down again gives n itself.
int ScaleBetweenDpis(int n, int nFromDpi, int nToDpi);

// The height at nToDpi of a font of whole points whose height at nFromDpi is nHeight
// (negative: the letters' height), as the dialog manager makes its font: through the
// point size. The ratio of the DPIs would round twice and can land on another size:
// 8 pt is 13 px at 120 DPI, and 13 px taken to 96 DPI is 10 px, where 8 pt is 11 px.
int PointFontHeight(int nHeight, int nFromDpi, int nToDpi);

// A length of a dialog laid out at nUnit pixels per nPer dialog units (a dialog's
// base unit: 4 across, 8 down), as the same dialog lays it out at nUnitThen pixels
// per nPer. The dialog units are found again exactly while a unit is larger than
// nPer pixels, as every readable font's is.
int DialogLengthAtUnit(int n, int nUnit, int nUnitThen, int nPer);

// The DPIs with pictures of their own; index 0 is the 96-DPI bitmap.
const int kArtDpis[] = {96, 120, 144, 192};
const int ART_DPI_COUNT = sizeof kArtDpis / sizeof kArtDpis[0];

// Which of kArtDpis to draw at a DPI (its index): the exact one, or else the
// smallest that is larger, so that in-between scalings shrink a finer picture;
// beyond the largest, the largest.
int ArtIndexForDpi(int dpi);
