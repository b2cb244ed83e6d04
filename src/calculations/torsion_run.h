#pragma once

#include <array>

#include "model/project.h"

namespace vorn {

// Where the amplification factors of the accidental eccentricity come from.
enum class AmplificationSource {
  typed,    // the factors the user typed, as they stand
  regular,  // a regular building: 1 for every story of the tables, whatever was typed
  drifts,   // (sum of the maximum drifts / (1.2 sum of the average drifts))², kept in 1 … 3
};

// How the run ended.
enum class TorsionStop {
  none,                 // every result is computed
  invalidStoryCount,    // the story count is not a whole number 1 to 200
  driftsMissing,        // the factors are to come from the drifts, which are not confirmed
  driftBelowAverage,    // the maximum drift of story `stopStory` is below its average drift
  driftsNotFinite,      // the drifts summed up to story `stopStory` give no finite number
  noOverturningMoment,  // a direction's overturning moment rounds to 0: no safety factor
  invalid,              // a moment, a sum or a safety factor is not a finite number
};

// Values by story, 1 to 200 (entry 0 unused).
using TorsionStoryValues = std::array<double, kMaxStories + 1>;

// The torsion and overturning run of the project's inputs: the static run's story forces and
// weights, the centres and dimensions of the stories, the foundation and the drifts.
struct TorsionRunResult {
  TorsionStop stop = TorsionStop::none;
  int stopStory = 0;  // the story a drift stop names
  int n = 0;          // stories, known unless the count is refused
  AmplificationSource source = AmplificationSource::typed;

  // The amplification factors the accidental eccentricities take, not rounded, stories 1 to n.
  // Stories 1 to `newFactors` hold factors the run has found itself, which the project keeps even
  // when the run stops afterwards: every story of the tables for a regular building, for factors
  // from the drifts the stories below the one a drift stop names (all n when no drift stops the
  // run), none for typed factors. The other stories hold the project's own factors.
  int newFactors = 0;
  TorsionStoryValues factorX{}, factorY{};

  // Known from the moments on (stop none, noOverturningMoment, invalid); rounded as the program
  // stores and shows them, halves to even: factors and eccentricities to 0.01, moments to whole
  // kg·m.
  TorsionStoryValues Ajx{}, Ajy{};      // the amplification factors
  TorsionStoryValues ECCx{}, ECCy{};    // static eccentricities CR − CM, m
  TorsionStoryValues EACCx{}, EACCy{};  // accidental eccentricities Aj × 0.05 × DIM, m
  // About the story's centre of rigidity, of the forces of the story and every story above it:
  // static moment MT = sum F (CM − CR), accidental MTA = sum F EACC (the other direction's
  // eccentricity) and total MTT = MT ∓ |MTA| (the accidental moment adds to the magnitude; a zero
  // static moment counts as positive). x: the x forces, with the y distances; y likewise.
  TorsionStoryValues MTx{}, MTAx{}, MTTx{};
  TorsionStoryValues MTy{}, MTAy{}, MTTy{};

  // Overturning about the underside of the foundation, the foundation's own weight left out.
  double HF = 0;            // H1 + FTHK, m (not rounded)
  double MOx = 0, MOy = 0;  // sum F (FTHK + level height), kg·m, whole
  double sumWCMx = 0;       // sum W CMx, kg·m (not rounded)
  double sumWFarX = 0;      // sum W (FDIMx − CMx), kg·m (not rounded)
  double sumWCMy = 0;       // sum W CMy, kg·m (not rounded)
  double sumWFarY = 0;      // sum W (FDIMy − CMy), kg·m (not rounded)
  double MRx = 0, MRy = 0;  // the smaller of the two sums, kg·m, whole
  double SFx = 0, SFy = 0;  // MR / MO of the whole moments, to 0.01

  // Known when the run completes: whether torsion may be neglected.
  bool lowBuilding = false;  // H1 <= 18 m or fewer than 6 stories: the test is made at all
  // The centre of rigidity of every story lies within 5 % of the story's dimension from the
  // centres of mass of it and of every story above it: in y (neglectX, for the earthquake in x)
  // and in x (neglectY, for the earthquake in y); both false for a building that is not low.
  bool neglectX = false, neglectY = false;
};

// Amplification factors, eccentricities and torsional moments of every story, overturning and
// resisting moments and safety factors of the building, and whether torsion may be neglected.
TorsionRunResult calculateTorsionRun(const Project& p);

}  // namespace vorn
