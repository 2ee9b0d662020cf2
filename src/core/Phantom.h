#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// Attenuation phantoms: bodies built from ellipsoids, from which the program
// computes its CT-like pictures (cross-sections through a gray-scale window)
// and its X-ray pictures (projections). Coordinates: x from the body's right
// to its left, y from the back (-) to the front (+), z from below (-) to above
// (+); a head fills roughly the cube [-1, 1]^3. Values are CT numbers in
// Hounsfield units (air -1000, water 0, bone up to about +1500).
namespace phantom {

// Below this a part has no floor.
constexpr double OhneBoden = -1.0e9;

struct Ellipsoid
{
    double x, y, z;     // centre
    double a, b, c;     // semi-axes along x, y, z (before the rotations)
    double winkel;      // rotation about the z axis, degrees, counter-clockwise seen from above
    double hu;          // CT number inside
    // Tilt in the y-z plane before that rotation, degrees: a positive tilt
    // lifts the end of the part that points to the front (+y).
    double neigung = 0.0;
    // The part is cut off below the plane z = bodenZ + bodenSteigung * y and
    // above z = deckeZ + deckeSteigung * y: flat floors and tops, such as
    // the skull base or the end plates of a vertebra.
    double bodenZ = OhneBoden, bodenSteigung = 0.0;
    double deckeZ = -OhneBoden, deckeSteigung = 0.0;
};

// Later parts lie over earlier ones: the value at a point is that of the last
// part containing it, or `umgebung` outside all of them.
struct Phantom
{
    std::vector<Ellipsoid> teile;
    double umgebung = -1000.0;
};

double wert(const Phantom& p, double x, double y, double z);

// The plane z = const of a phantom, made ready for the values of many points
// in a rectangle: only the parts that reach the plane are kept, sorted into
// square tiles, so that each point tests the few parts near it. The values
// are those of wert() at every point.
class Schnittebene
{
public:
    Schnittebene(const Phantom& p, double z, double xMin, double xMax, double yMin, double yMax);
    ~Schnittebene();
    Schnittebene(const Schnittebene&) = delete;
    Schnittebene& operator=(const Schnittebene&) = delete;
    double wert(double x, double y) const;

private:
    struct Daten;
    std::unique_ptr<Daten> d;
};

// An 8-bit gray picture, row by row from the top.
struct Graubild
{
    int breite = 0, hoehe = 0;
    std::vector<std::uint8_t> grau;
    std::uint8_t operator()(int x, int y) const { return grau[std::size_t(y) * std::size_t(breite) + std::size_t(x)]; }
};

// Repeatable grain in [-1, 1] for a picture point: the film and detector
// noise of the computed pictures.
double korn(int x, int y);

// A gray-scale window: CT numbers below zentrum - breite/2 are black, above
// zentrum + breite/2 white, linear in between (rounded half to even).
std::uint8_t fenstergrau(double hu, double zentrum, double breite);

// Cross-section at height z, seen from below with the front at the top of the
// picture, over the square [-halbbreite, halbbreite] x [-halbhoehe, halbhoehe]
// of the x-y plane, through a gray-scale window. `rauschen` adds a fixed,
// repeatable grain of that many Hounsfield units (the look of a real scan).
Graubild schnitt(const Phantom& p, int breite, int hoehe, double z, double halbbreite, double halbhoehe,
                 double zentrum, double fensterbreite, double rauschen = 0.0);

// Side view X-ray: for every picture point (y to the right, z upwards) the
// attenuation along x is summed exactly (lines through ellipsoids), and the
// film darkens where much radiation arrives: bone is light, air black.
// `kontrast` scales the attenuation (1 gives a natural film).
Graubild seitenaufnahme(const Phantom& p, int breite, int hoehe, double halbbreite, double halbhoehe,
                        double kontrast = 1.0);

// Top view X-ray (projection along z, x to the right, y upwards).
Graubild draufsicht(const Phantom& p, int breite, int hoehe, double halbbreite, double halbhoehe,
                    double kontrast = 1.0);

// The program's head: scalp, the skull from the vault to its base, the brain
// (at the height of its cross-section a thin, folded cortex round the white
// matter and the butterfly of the lateral ventricles), the face with orbits
// and sinuses, the lower jaw, neck and cervical spine.
const Phantom& kopf();
// Height of the cross-section through the lateral ventricles.
constexpr double KopfSchnitthoehe = 0.36;
// CT numbers of the head's tissues, in its cross-section and everywhere.
constexpr double GraueSubstanz = 38.0;
constexpr double WeisseSubstanz = 26.0;
constexpr double Ventrikel = 4.0;

}  // namespace phantom
