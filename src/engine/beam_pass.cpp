#include "engine/beam_pass.h"

#include <algorithm>
#include <cmath>

namespace rolvanta {

namespace {

constexpr double kMetresPerMillimetre = 1e-3;

LegGeometry legGeometry(const LegShape& leg) {
    LegGeometry g;
    g.h = leg.height * kMetresPerMillimetre;
    g.fr = leg.root * kMetresPerMillimetre;
    g.ft = leg.tip * kMetresPerMillimetre;
    g.f = (g.fr + g.ft) / 2;
    return g;
}

// Tip: one-sided flat rolling of the leg's height by the pocket bottom (or
// the opposite collar), taken as half of a symmetric pass 2 h_in -> 2 h_out
// at the tip radius, across the tip thickness. Short contact deforms the tip
// inhomogeneously: Q is floored at 1 (Sims' Q below 1 means L/h_m under
// about 0.5, where his homogeneous model no longer holds).
void tipElement(double R, const LegGeometry& in, const LegGeometry& out, double S, LegLoads& leg) {
    if (!(in.h > out.h)) return;  // the leg keeps or grows its height: no tip load
    const SimsResult tip = simsFlatRolling(R - out.h, 2 * in.h, 2 * out.h, out.ft, S);
    const double floorQ = (tip.Q > 0 && tip.Q < 1) ? 1 / tip.Q : 1.0;
    leg.tipForce = tip.force * floorQ;
    leg.tipTorque = tip.torqueOneRoll * floorQ;
    leg.tipLength = tip.contactLength;
}

// Wall: the leg sinks into the tapered groove and its thickness is squeezed
// between the walls. The gap between the walls closes as w1 + kappa x²/(2 r)
// at mid-height radius r, so the wall acts like a roll of the virtual radius
// 2 r / kappa on the leg's thickness; the contact is capped where the mean
// penetration reaches half the leg height.
void wallElement(double R, const LegGeometry& in, const LegGeometry& out, double tOut, double S,
                 double minimumTaper, WallFactor factor, LegLoads& leg) {
    leg.kappa = std::max((out.fr - out.ft) / out.h, minimumTaper);
    const double df = in.f - out.f;
    const double r = R - out.h / 2;
    // A roll no taller than half the leg has no wall either (an input error).
    if (!(df > 0) || !(r > 0)) return;
    const double kappa = leg.kappa;
    leg.wallLength = std::min(std::sqrt(2 * r * df / kappa), std::sqrt(r * out.h));
    const double Req = leg.wallLength * leg.wallLength / df;
    const double bs = out.h + tOut / 2;  // the leg and half the web junction
    const SimsResult V = simsFlatRolling(Req, in.f, out.f, bs, S);
    const double q = factor == WallFactor::SimsQ ? V.Q : 1.0;
    const double qRatio = V.Q != 0 ? q / V.Q : 1.0;
    leg.wallForce = S * q * (kappa * out.h) * leg.wallLength;
    leg.wallTorque = 2 * V.torqueOneRoll * (R / Req) * qRatio;
}

}  // namespace

PassGeometry passGeometry(const PassSection& section) {
    PassGeometry g;
    g.W = section.width * kMetresPerMillimetre;
    g.t = section.webThickness * kMetresPerMillimetre;
    g.live = legGeometry(section.live);
    g.dead = legGeometry(section.dead);
    g.A = g.W * g.t + 2 * g.live.h * g.live.f + 2 * g.dead.h * g.dead.f;
    g.bw = std::max(g.W - (g.live.fr + g.dead.fr), 0.0);
    g.Hf = g.live.h + g.t + g.dead.h;
    return g;
}

BeamPassForces beamPassForces(double R, const PassGeometry& in, const PassGeometry& out,
                              bool finishing, double S, double minimumTaper, WallFactor q) {
    BeamPassForces p;
    // The web of the leaving section, between its leg roots.
    p.web = simsFlatRolling(R, in.t, out.t, out.bw, S);
    p.webForce = p.web.force;
    p.webTorque = 2 * p.web.torqueOneRoll;

    // Each leg of the leaving section against the same physical leg entering.
    const LegGeometry& inOfLive = finishing ? in.live : in.dead;
    const LegGeometry& inOfDead = finishing ? in.dead : in.live;
    const struct {
        const LegGeometry& in;
        const LegGeometry& out;
        LegLoads& loads;
    } legs[] = {{inOfLive, out.live, p.live}, {inOfDead, out.dead, p.dead}};

    p.contactArea = 2 * out.bw * p.web.contactLength;
    p.henselArea = out.bw * p.web.contactLength;
    for (const auto& leg : legs) {
        tipElement(R, leg.in, leg.out, S, leg.loads);
        wallElement(R, leg.in, leg.out, out.t, S, minimumTaper, q, leg.loads);
        const LegLoads& l = leg.loads;
        p.tipForce += 2 * l.tipForce;
        p.wallForce += 2 * l.wallForce;
        p.legTorque += 2 * (l.tipTorque + l.wallTorque);
        p.contactArea += 2 * (2 * leg.out.h * l.wallLength);
        p.henselArea += 2 * (leg.out.ft * l.tipLength + l.kappa * leg.out.h * l.wallLength);
    }
    p.force = p.webForce + p.tipForce + p.wallForce;
    p.torque = p.webTorque + p.legTorque;
    return p;
}

}  // namespace rolvanta
