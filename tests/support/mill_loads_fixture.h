#pragma once

// A 5-pass MB 100 schedule on a small mill of five stands with the loads of
// every pass in rolling order (Pass 5 first), numbers of the size such a
// mill sees. Pass 3 is over its stand's force limit, and its stand gives no
// motor rating. Made by hand, so that the displays and the report can be
// tested without the load models.

#include "support/example_section.h"

namespace rolvanta::testing {

// passCount other than 5 repeats the five stands and their loads, each
// round 60 K cooler, for the sizes of a longer schedule.
inline Project millLoadsProject(int passCount = 5) {
    Project project = computedProject(passCount);
    project.flags.projectStarted = project.flags.customEntered = true;
    // Per stand: its limits, then its pass's loads: temperatures in and out,
    // strain, rate, mean flow stress, contact, bite, force, its low side,
    // torque, roll and motor power, exit speed, and the interpass drop.
    const struct {
        const char* stand;
        double diameter, rpm, interpass, maxForce, maxTorque, motor;
        double tIn, tOut, strain, rate, kfm, contact, bite, force, forceLow, torque, roll,
            motorPower, exitSpeed, drop;
    } stands[] = {
        {"BD1", 650,  60,   8,   1200, 60,   1500, 1150.0, 1141.3, 0.412, 3.85,
         88.4,  42.6, 15.2, 905, 760,  38.2, 481,  578,    2.31,   -24.6},
        {"R2", 550,  90,   6,   1000, 40,   1200, 1116.7, 1110.2, 0.355, 6.12,
         95.1, 35.8, 13.4, 842, 712,  29.6, 558,  660,    2.90,   -18.3},
        {"R3",  550,  120,  5,   800, 30,   0,   1091.9, 1087.5, 0.301, 9.40,
         104.7, 30.1, 12.1, 871, 748, 24.9, 626, 741,    3.60,   -15.2},
        {"I4",  500,  150,  4,   700, 20,   1000, 1072.3, 1069.0, 0.248, 12.8,
         111.2, 25.4, 10.6, 640, 575, 16.3, 512,  603,    4.20,   -12.5},
        {"F5",  480,  180, 4,   600, 15,  900, 1056.5, 1054.1, 0.153, 14.1,
         113.9, 19.2, 8.1, 455, 430, 9.1, 343, 404,    4.80,   -10.0},
    };
    Mill mill;
    mill.name = "Fixture mill";
    for (int j = 0; j < passCount; ++j) {
        const auto& s = stands[j % 5];
        MillStand stand;
        stand.stand = s.stand;
        stand.diameter_mm = s.diameter;
        stand.rpm = s.rpm;
        stand.maxForce_kN = s.maxForce;
        stand.maxTorque_kNm = s.maxTorque;
        if (s.motor > 0) stand.motor_kW = s.motor;
        PassLoads p;
        p.pass = passCount - j;
        p.entryTemperature_C = s.tIn - 60 * (j / 5);
        p.exitTemperature_C = s.tOut - 60 * (j / 5);
        p.strain = s.strain;
        p.strainRate_per_s = s.rate;
        p.meanFlowStress_MPa = s.kfm;
        p.contactLength_mm = s.contact;
        p.biteAngle_deg = s.bite;
        p.biteAngleLimit_deg = 25.0 + (s.tIn - 1150) * -0.03;
        p.webDraft = true;
        p.force_kN = s.force;
        p.forceLow_kN = s.forceLow;
        p.torque_kNm = s.torque;
        p.rollPower_kW = s.roll;
        p.motorPower_kW = s.motorPower;
        p.exitSpeed_m_s = s.exitSpeed;
        if (j + 1 < passCount) {
            stand.interpass_s = s.interpass;
            p.interpass_s = s.interpass;
            p.interpassDrop_K = s.drop;
        }
        p.forceUse_pct = 100 * p.force_kN / *stand.maxForce_kN;
        p.torqueUse_pct = 100 * p.torque_kNm / *stand.maxTorque_kNm;
        if (stand.motor_kW) p.motorUse_pct = 100 * p.motorPower_kW / *stand.motor_kW;
        mill.stands.push_back(stand);
        project.loads.push_back(p);
    }
    project.mill = mill;
    return project;
}

}  // namespace rolvanta::testing
