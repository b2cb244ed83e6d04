#pragma once

// Complete buildings for the tests and the screenshots, described through the dialogs' own
// handlers and the project fields, with every computation run as the user runs it. Compiled once
// into the test support, so that a test using them does not depend on every window's header.

#include "model/project.h"

#include <string>
#include <vector>

namespace vorn {
class Session;
}

namespace vorn::test {

struct StoryInput {
  double AR, DL, LL, PERL, PW, HW, PERW, LW, LOD, HS;
};

struct CentreInput {
  double CMx, CMy, CRx, CRy, DIMx, DIMy, Ajx, Ajy;
};

// Drifts in cm, as typed.
struct DriftInput {
  double x, y, maxX, maxY;
};

void enterStories(Project& p, const std::vector<StoryInput>& stories);

void enterCentres(Project& p, const std::vector<CentreInput>& stories);

// Stories 2 … N straight into the tables; story 1 through the dialog's boxes, which its OK stores.
void enterDrifts(Session& s, const std::vector<DriftInput>& stories);

// The rest of the workflow once the inputs are in: static run, torsion, recommendations,
// allowable drifts, P-Delta and spectrum, each window closed with its OK.
void runEverything(Session& s, const std::vector<CentreInput>& centres,
                   const std::vector<DriftInput>& drifts, const char* fdimX, const char* fdimY,
                   const char* fthk, const char* tmax, const char* tstep);

// Three stories, regular, A chosen directly (0.30), soil type 2, importance 1.2, a special steel
// moment frame in x without infill walls and concentric braces in y, analytical period 0.85 s.
void describeRegularBuilding(Session& s);

// Five stories, irregular, A from the province and city, soil type 3, importance 1.0, concentric
// braces in x and an intermediate steel moment frame with infill walls in y, empirical period,
// the amplification factors typed.
void describeIrregularBuilding(Session& s);

// Two hundred stories of 0.99 m, as many as the program holds: a dual system in both directions,
// irregular, every story alike, the site, soil and importance as a new project has them.
void describeTallBuilding(Session& s);

// Ticks every table and asks for the report in a text file.
void tickEverything(Session& s, const std::string& path);

}  // namespace vorn::test
