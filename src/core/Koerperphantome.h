#pragma once

#include "core/Phantom.h"

#include <vector>

// Further attenuation phantoms for the pictures of the reading pages and the
// reference windows, built like the head (ellipsoids in Hounsfield units, the
// same coordinates: x from the body's right to its left, y from the back to
// the front, z upwards), and a coarse sampling that imitates the small
// picture matrices of the first CT scanners.
namespace phantom {

// A slice of the chest at the level of the heart: skin, fat and muscles,
// ribs, spine, shoulder blades and sternum, both lungs with their vessels and
// bronchi, the heart in its fat, aorta and oesophagus. One unit is about 17 cm.
const Phantom& brustkorb();
// Height of the slice that the lung pictures show.
constexpr double BrustkorbSchnitthoehe = 0.0;
// The two gray-scale windows of the lung pictures, in Hounsfield units.
constexpr double LungenfensterZentrum = -720.0;
constexpr double LungenfensterBreite = 750.0;
constexpr double WeichteilfensterZentrum = 35.0;
constexpr double WeichteilfensterBreite = 400.0;

// A left hand lying flat, palm down, fingers upwards in the top view (x to
// the right, y upwards, the thumb on the right): soft tissue of forearm,
// wrist, palm and fingers, the forearm bones, the carpal bones, the
// metacarpals and the phalanges with their joint spaces, every bone with a
// dense cortex round a lighter marrow. Every part has its middle in the plane
// z = 0. One unit is about 10 cm.
const Phantom& hand();

// Attenuation of a top view (projection along z) of a phantom whose parts all
// have their middle in the plane z = 0, as the hand has: for each of
// breite x hoehe points over [mitteX - halbbreite, mitteX + halbbreite] x
// [mitteY - halbhoehe, mitteY + halbhoehe] (row by row from the top) the
// length of the vertical line through the parts, each stretch weighted with
// its attenuation relative to water (1 + HU / 1000); the surroundings count as
// nothing. Tilts, floors and tops of parts are not taken into account here.
std::vector<double> vonOben(const Phantom& p, int breite, int hoehe, double mitteX, double mitteY, double halbbreite,
                            double halbhoehe);

// CT numbers of a cross-section at height z on a coarse matrix of
// spalten x zeilen picture elements over [-halbbreite, halbbreite] x
// [-halbhoehe, halbhoehe] (front at the top), each the mean of unter x unter
// points inside it, as a detector averages over its beam. Row by row from the
// top.
std::vector<double> grobschnitt(const Phantom& p, int spalten, int zeilen, double z, double halbbreite,
                                double halbhoehe, int unter);

// A coarse matrix enlarged to breite x hoehe pixels (every matrix element
// becomes a block) and shown through a gray-scale window, with a repeatable
// grain of `rauschen` Hounsfield units per matrix element.
Graubild mosaik(const std::vector<double>& hu, int spalten, int zeilen, int breite, int hoehe, double zentrum,
                double fensterbreite, double rauschen);

// Some library routines (QImage::fill among them) use the wide vector
// registers of the processor and leave their upper halves in use. Until that
// state is cleared every scalar floating-point instruction waits on it, and
// the phantom arithmetic runs more than ten times slower. Call this before a
// long computation; it costs nothing and does nothing where there is no such
// state.
void vektorzustandLeeren();

}  // namespace phantom
