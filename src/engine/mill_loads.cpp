#include "engine/mill_loads.h"

// Placeholder until the models land: no loads.

namespace rolvanta {

double shidaFlowStress(double, double, double, double) { return 0; }
double henselSpittelFlowStress(HenselSpittelSet, double, double, double) { return 0; }
double flowStress(const Steel&, double, double, double) { return 0; }
double meanFlowStress(const Steel&, double, double, double) { return 0; }
SimsResult simsFlatRolling(double, double, double, double, double) { return {}; }
std::vector<PassSection> rollingSections(const BeamSection&, const PassTable&) { return {}; }
double interpassCooling(const PassSection&, double temperature_C, double, const MillConstants&) {
    return temperature_C;
}
std::vector<PassLoads> computeMillLoads(const Mill&, const BeamSection&, const PassTable&) {
    return {};
}

}  // namespace rolvanta
