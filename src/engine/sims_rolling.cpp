#include <algorithm>
#include <cmath>

#include "engine/mill_loads.h"

namespace rolvanta {

namespace {
constexpr double kPi = 3.141592653589793;
}  // namespace

// Sims (1954), hot flat rolling with sticking friction over the whole arc of
// contact, rigid rolls: the force and torque from the plane-strain flow
// stress and the geometry factor Q(R/h1, r). Holds for hot rolling with
// L/h_m from about 0.5 to 2 (validated on a 16-stand bar mill at 0.8 - 1.8).
// Without a draft, a width or a roll there is no contact: all zero.
SimsResult simsFlatRolling(double R, double h0, double h1, double b, double S) {
    const double dh = h0 - h1;
    // A roll of no radius (the tip of a leg taller than the roll) makes no
    // contact either, rather than a square root of a negative number.
    if (dh <= 0 || b <= 0 || R <= 0) return {};
    const double r = dh / h0;  // reduction
    const double a = std::sqrt((1 - r) / r);
    const double c = std::sqrt(R / h1);
    const double rootH1R = std::sqrt(h1 / R);
    const double atanRootR = std::atan(1 / a);  // arctan √(r/(1 - r))
    const double lnOneMinusR = std::log(1 - r);

    SimsResult out;
    out.neutralAngle = rootH1R * std::tan(0.5 * atanRootR + kPi / 8 * rootH1R * lnOneMinusR);
    const double phiN = out.neutralAngle;
    const double hn = h1 + R * phiN * phiN;  // thickness at the neutral plane
    // ln(1/(1 - r)) = -ln(1 - r)
    out.Q =
        kPi / 2 * a * atanRootR - kPi / 4 - a * c * std::log(hn / h1) - 0.5 * a * c * lnOneMinusR;
    out.contactLength = std::sqrt(R * dh);
    out.biteAngle = std::acos(std::max(-1.0, 1 - dh / (2 * R)));
    out.force = S * b * out.contactLength * out.Q;
    out.torqueOneRoll = R * R * S * b * std::max(out.biteAngle / 2 - phiN, 0.0);
    out.forwardSlip = hn / h1 - 1;
    return out;
}

}  // namespace rolvanta
