#pragma once

// One beam pass by the element method: the web as flat rolling, each flange
// leg as a tip (its height reduced by the pocket bottom) and a wall (its
// thickness reduced by the tapered groove walls), all with Sims' theory at
// one plane-strain flow stress. SI throughout: m, m², Pa, N, N m.

#include "engine/mill_loads.h"

namespace rolvanta {

// A leg of a section, m: height from the web surface to the tip, root, tip
// and mean thickness.
struct LegGeometry {
    double h = 0, fr = 0, ft = 0, f = 0;
};

// A section as the element method sees it, m and m².
struct PassGeometry {
    double W = 0;  // pass width over the flanges
    double t = 0;  // web thickness
    LegGeometry live, dead;
    double A = 0;   // W t + 2 h_live f_live + 2 h_dead f_dead
    double bw = 0;  // clear web width between the leg roots
    double Hf = 0;  // flange height h_live + t + h_dead
};

// The section of a pass in metres, with its derived dimensions.
PassGeometry passGeometry(const PassSection& section_mm);

// The wall pressure factor: Sims' Q of the wall's virtual pass (the upper
// estimate), or 1 (the low estimate).
enum class WallFactor { SimsQ, One };

// The loads of one leg of the leaving section (it occurs twice).
struct LegLoads {
    double tipForce = 0, tipTorque = 0;  // N, N m of one roll
    double tipLength = 0;                // contact length of the tip, m
    double kappa = 0;                    // wall taper, floored
    double wallLength = 0;               // contact length of the wall, m
    double wallForce = 0, wallTorque = 0;
};

struct BeamPassForces {
    SimsResult web;
    LegLoads live, dead;                                          // the leaving section's legs
    double webForce = 0, tipForce = 0, wallForce = 0, force = 0;  // tips, walls: all four
    double webTorque = 0, legTorque = 0, torque = 0;              // both rolls
    double contactArea = 0;  // web and walls, both faces, for the roll chill, m²
    double henselArea = 0;   // projected contact area for Hensel's force, m²
};

// The pass of roll radius R (at the web) from section in to section out at
// plane-strain flow stress S. The legs exchange roles in every pass but the
// finishing one: there live pairs with live and dead with dead.
BeamPassForces beamPassForces(double R, const PassGeometry& in, const PassGeometry& out,
                              bool finishing, double S, double minimumTaper, WallFactor q);

}  // namespace rolvanta
