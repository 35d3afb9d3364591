#include "engine/mill_loads.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/bar_temperature.h"
#include "engine/beam_pass.h"

namespace rolvanta {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMetresPerMillimetre = 1e-3;
constexpr double kPascalPerMegapascal = 1e6;
constexpr double kRadiansPerDegree = kPi / 180;

// The least mean-height draft the reference contact length of a pass
// without web draft is taken at: 0.01 mm.
constexpr double kReferenceDraftFloor_m = 1e-5;
// The forward slip taken when the web carries no load to give it.
constexpr double kSlipWithoutWeb = 0.05;

// Ekelund (1933), as quoted by Wusatowski (1969) and Roberts (1983): the
// friction of hot steel on the rolls mu = k (1.05 - 0.0005 T) with T in °C,
// k = 1 for steel rolls and 0.8 for chilled iron rolls. Constants not
// re-verified against the original.
constexpr double kEkelundAt0C = 1.05;
constexpr double kEkelundPerDegree = 0.0005;
constexpr double kSteelRollFactor = 1.0;
constexpr double kChilledIronRollFactor = 0.8;

// Hensel & Spittel (1978), master curve of the deformation efficiency over
// x = projected contact area / mean area, fitted to their digitised data
// (scatter about ±11 %): 1/eta = c0 + c1 x + c2 x² + c3 e^(c4 x) + c5 e^(c6 x²).
constexpr double kHensel[] = {0.9901, 0.106, 0.0283, 1.5718, -2.4609, 0.3117, -15.625};

PassSection sectionOfRecord(const PassRecord& r) {
    PassSection s;
    s.width = r.passWidth;
    s.webThickness = r.webThickness;
    s.live = {r.liveFlangeHeight, r.liveFlangeRoot, r.liveFlangeTip};
    s.dead = {r.deadFlangeHeight, r.deadFlangeRoot, r.deadFlangeTip};
    return s;
}

// "Pass 1": the hot section, both legs from its root and tip thickness.
PassSection sectionOfHot(const BeamSection& hot) {
    PassSection s;
    s.width = hot.webWidth;
    s.webThickness = hot.webThickness;
    s.live = {hot.liveFlangeHeight, hot.rootThickness, hot.tipThickness};
    s.dead = {hot.deadFlangeHeight, hot.rootThickness, hot.tipThickness};
    return s;
}

// One pass in SI.
struct PassResult {
    double lambda = 0, eps = 0, epsDot = 0, kfm = 0;  // kfm in MPa
    BeamPassForces forces;
    double slip = 0, vOut = 0, Mn = 0, Proll = 0, Pmotor = 0, etaHom = 0;
    double FHensel = 0, xHensel = 0, Fflat = 0, Mflat = 0;
    PassHeat heat;
    double Tout = 0, biteLimit = 0;  // °C, rad
};

PassResult rollPass(const Mill& mill, const MillStand& stand, const PassGeometry& in,
                    const PassGeometry& out, bool finishing, double Tin, WallFactor q) {
    const double D = stand.diameter_mm * kMetresPerMillimetre;
    const double R = D / 2;
    const double omega = 2 * kPi * stand.rpm / 60;
    const double vR = omega * R;

    PassResult p;
    // Strain and mean strain rate (Hoff & Dahl 1957: eps v / L) of the whole
    // section, plane-strain equivalent of its elongation.
    p.lambda = in.A / out.A;
    p.eps = kPlaneStrainFactor * std::log(p.lambda);
    const double Lref =
        in.t > out.t ? std::sqrt(R * (in.t - out.t))
                     : std::sqrt(R * std::max(in.A / in.W - out.A / out.W, kReferenceDraftFloor_m));
    p.epsDot = p.eps * vR / Lref;
    p.kfm = meanFlowStress(mill.steel, p.eps, p.epsDot, Tin);
    const double S = kPlaneStrainFactor * p.kfm * kPascalPerMegapascal;

    p.forces = beamPassForces(R, in, out, finishing, S, mill.constants.minimumTaper, q);
    const double F = p.forces.force;
    const double M = p.forces.torque;

    p.slip = p.forces.webForce > 0 ? p.forces.web.forwardSlip : kSlipWithoutWeb;
    p.vOut = vR * (1 + p.slip);
    // Four necks carry F/2 each at the lever of half the neck diameter.
    p.Mn = stand.neckFriction * F * stand.neckRatio * D;
    p.Proll = M * omega;
    p.Pmotor = (M + p.Mn) * omega / stand.driveEfficiency;

    // The ideal (homogeneous) work per unit length, as a torque: no real
    // pass needs less.
    const double Mhom = p.kfm * kPascalPerMegapascal * p.eps * out.A * R * (1 + p.slip);
    p.etaHom = M != 0 ? Mhom / M : 0;

    // Second opinions: Hensel's master curve on the projected contact area,
    // and the whole section as one flat pass of its mean heights.
    const double Ad = p.forces.henselArea;
    p.xHensel = Ad / ((in.A + 2 * out.A) / 3);
    const double x = p.xHensel;
    const double inverseEta = kHensel[0] + kHensel[1] * x + kHensel[2] * x * x +
                              kHensel[3] * std::exp(kHensel[4] * x) +
                              kHensel[5] * std::exp(kHensel[6] * x * x);
    p.FHensel = Ad != 0 ? p.kfm * kPascalPerMegapascal * inverseEta * Ad : 0;
    const double h0 = in.A / in.W, h1 = out.A / out.W;
    if (h0 > h1) {
        const SimsResult E = simsFlatRolling(R, h0, h1, (in.W + out.W) / 2, S);
        p.Fflat = E.force;
        p.Mflat = 2 * E.torqueOneRoll;
    }

    p.heat = passHeat(p.Proll, Tin, vR, p.vOut, in, out, p.forces.contactArea, mill.constants);
    p.Tout = Tin + p.heat.deformation_K - p.heat.chill_K;

    const double k =
        mill.rollMaterial == RollMaterial::ChilledIron ? kChilledIronRollFactor : kSteelRollFactor;
    p.biteLimit = std::atan(k * (kEkelundAt0C - kEkelundPerDegree * Tin));
    return p;
}

// The time from this pass to the next: as given, or the distance at the
// exit speed; none when neither is given.
std::optional<double> interpassTime(const MillStand& stand, double vOut) {
    if (stand.interpass_s) return *stand.interpass_s;
    if (stand.distance_m) return *stand.distance_m / vOut;
    return std::nullopt;
}

// A result leaves the engine as a number: what is not finite (a pass the
// models cannot take, told by the input checks) shows as 0.
double shown(double value) { return std::isfinite(value) ? value : 0.0; }

std::optional<double> percentOf(double value, const std::optional<double>& limit) {
    if (!limit) return std::nullopt;
    return shown(value / *limit * 100);
}

void fill(PassLoads& l, const PassResult& p, double Tin) {
    const BeamPassForces& f = p.forces;
    l.entryTemperature_C = shown(Tin);
    l.exitTemperature_C = shown(p.Tout);
    l.elongation = shown(p.lambda);
    l.strain = shown(p.eps);
    l.strainRate_per_s = shown(p.epsDot);
    l.meanFlowStress_MPa = shown(p.kfm);
    l.contactLength_mm = shown(f.web.contactLength * 1e3);
    l.biteAngle_deg = shown(f.web.biteAngle / kRadiansPerDegree);
    l.biteAngleLimit_deg = shown(p.biteLimit / kRadiansPerDegree);
    l.webForce_kN = shown(f.webForce * 1e-3);
    l.tipForce_kN = shown(f.tipForce * 1e-3);
    l.wallForce_kN = shown(f.wallForce * 1e-3);
    l.force_kN = shown(f.force * 1e-3);
    l.torque_kNm = shown(f.torque * 1e-3);
    l.webTorque_kNm = shown(f.webTorque * 1e-3);
    l.legTorque_kNm = shown(f.legTorque * 1e-3);
    l.neckTorque_kNm = shown(p.Mn * 1e-3);
    l.rollPower_kW = shown(p.Proll * 1e-3);
    l.motorPower_kW = shown(p.Pmotor * 1e-3);
    l.exitSpeed_m_s = shown(p.vOut);
    l.forwardSlip = shown(p.slip);
    l.homogeneousEfficiency = shown(p.etaHom);
    l.deformationHeating_K = shown(p.heat.deformation_K);
    l.rollChill_K = shown(p.heat.chill_K);
    l.henselForce_kN = shown(p.FHensel * 1e-3);
    l.henselX = shown(p.xHensel);
    l.flatForce_kN = shown(p.Fflat * 1e-3);
    l.flatTorque_kNm = shown(p.Mflat * 1e-3);
}

}  // namespace

std::vector<PassSection> rollingSections(const BeamSection& hot, const PassTable& passes) {
    const int n = hot.passCount;
    if (n < 2 || n > kPassTableSize) return {};
    std::vector<PassSection> sections;
    sections.reserve(n + 1);
    for (int k = n - 1; k >= 0; --k) sections.push_back(sectionOfRecord(passes.records[k]));
    sections.push_back(sectionOfHot(hot));
    return sections;
}

std::vector<PassLoads> computeMillLoads(const Mill& mill, const BeamSection& hot,
                                        const PassTable& passes) {
    const int n = hot.passCount;
    if (n < 2 || mill.stands.size() != static_cast<std::size_t>(n)) return {};
    const std::vector<PassSection> sections = rollingSections(hot, passes);
    if (sections.empty()) return {};
    std::vector<PassGeometry> S;
    S.reserve(sections.size());
    for (const PassSection& s : sections) S.push_back(passGeometry(s));

    std::vector<PassLoads> loads(n);
    // Two runs side by side, each with its own temperature chain: the default
    // (Sims' Q on the walls, the high side) and the low estimate (Q = 1).
    constexpr WallFactor kRuns[] = {WallFactor::SimsQ, WallFactor::One};
    std::array<double, 2> T = {mill.entryTemperature_C, mill.entryTemperature_C};
    for (int j = 1; j <= n; ++j) {
        const MillStand& stand = mill.stands[j - 1];
        std::array<PassResult, 2> p;
        for (int r = 0; r < 2; ++r)
            p[r] = rollPass(mill, stand, S[j - 1], S[j], j == n, T[r], kRuns[r]);

        PassLoads& l = loads[j - 1];
        l.pass = passOfStand(j - 1, n);
        l.webDraft = S[j - 1].t > S[j].t && S[j].bw > 0;
        fill(l, p[0], T[0]);
        l.forceLow_kN = shown(p[1].forces.force * 1e-3);
        l.torqueLow_kNm = shown(p[1].forces.torque * 1e-3);
        l.forceUse_pct = percentOf(l.force_kN, stand.maxForce_kN);
        l.torqueUse_pct = percentOf(l.torque_kNm, stand.maxTorque_kNm);
        l.motorUse_pct = percentOf(l.motorPower_kW, stand.motor_kW);

        T = {p[0].Tout, p[1].Tout};
        if (j == n) break;
        const std::optional<double> tIp = interpassTime(stand, p[0].vOut);
        const std::optional<double> tIpLow = interpassTime(stand, p[1].vOut);
        if (!tIp || !tIpLow) continue;  // told by the input checks; the bar goes on as it left
        const std::array<double, 2> next = coolBars(S[j], T, {*tIp, *tIpLow}, mill.constants);
        l.interpass_s = shown(*tIp);
        l.interpassDrop_K = shown(next[0] - T[0]);
        T = next;
    }
    return loads;
}

}  // namespace rolvanta
