#pragma once

#include <array>

#include "model/project.h"

namespace vorn {

// Where a design period falls on the reflection factor's curve.
enum class ReflectionBranch {
  rising,   // T < T0: B = 1 + S T / T0
  plateau,  // T0 <= T < TS: B = S + 1
  falling,  // T >= TS: B = (S + 1) (TS / T)^(2/3)
};

// How a direction's design period was found.
enum class DesignPeriodRule {
  empirical,        // the analytical period is not used: T = TE
  scaledEmpirical,  // T = 1.25 TE, the analytical period being no shorter
  analytical,       // T = the analytical period, shorter than 1.25 TE
};

// One direction of the run, before rounding: what a calculation note shows of it.
struct StaticDirection {
  double heightPower = 0;        // H^0.75, H the height of the building in m
  double periodCoefficient = 0;  // 0.08 steel, 0.07 concrete moment frames, 0.05 the others
  double infillFactor = 1;       // 0.8 when infill walls stiffen a moment frame, otherwise 1
  double empiricalPeriod = 0;    // TE = coefficient H^0.75 infill factor, in s
  DesignPeriodRule rule = DesignPeriodRule::empirical;
  double designPeriod = 0;  // in s
  ReflectionBranch branch = ReflectionBranch::rising;
  double reflection = 0;              // B
  double R = 0;                       // the behaviour factor, after the bearing-wall caps
  double coefficientBeforeFloor = 0;  // A B I / R
  bool floored = false;               // B / R is not above 0.1, so C = 0.1 A I
  double coefficient = 0;             // C
};

// How the run ended.
enum class StaticStop {
  none,       // every result is computed
  codeCheck,  // a check on the chosen systems failed (failedCheck says which)
  zeroSum,    // the heights or the weights above a level are zero: no forces can be found
  invalid,    // a value gives no finite result, or the story count is not 1 to 200
};

// Values by level, 0 to N.
using StaticStoryValues = std::array<double, kMaxStories + 1>;

// The equivalent static run of the project's inputs. The rounded values are those the program
// stores and shows; a stopped run carries only what is known when it stops.
struct StaticRunResult {
  StaticStop stop = StaticStop::none;
  int failedCheck = 0;  // 1 to 8, the failed check in the order the checks are made
  // The behaviour factors once a bearing-wall system in one direction has capped the other's at
  // its own; the caps made before a failed check stand.
  double Rx = 0;
  double Ry = 0;
  StaticDirection x, y;  // known once the checks pass

  // Rounded: periods and B to 0.01, C to 0.001, forces and weights to whole kilograms.
  double TEx = 0, TEy = 0;  // empirical periods, s
  double Tx = 0, Ty = 0;    // design periods, s
  double TA = 0;            // the analytical period, s
  double Bx = 0, By = 0;
  double Cx = 0, Cy = 0;
  bool xFloor = false;                   // the rounded Bx / Rx fell below 0.1 and Cx took 0.1 A I
  int n = 0;                             // stories
  StaticStoryValues weight{};            // story weights W, kg (not rounded)
  StaticStoryValues level{};             // heights of the levels above the base, m
  StaticStoryValues forceX{}, forceY{};  // story forces F, kg
  StaticStoryValues diaphragmX{}, diaphragmY{};  // diaphragm forces Fp, kg
  double WT = 0;                                 // weight of the building, kg (not rounded)
  double Vx = 0, Vy = 0;                         // base shears V = C W, kg
  double Ftx = 0, Fty = 0;                       // top forces Ft, kg (not rounded)
};

// The code checks on the chosen systems, the periods, B and C of both directions, the story
// weights, base shears, top forces, story and diaphragm forces.
StaticRunResult calculateStaticRun(const Project& p);

// The top force of one direction from its rounded design period and base shear: 0.07 T V from
// 0.7 s on, at most 0.25 V.
double topForce(double designPeriod, double baseShear);

}  // namespace vorn
