#pragma once

#include <QString>
#include <string>

#include "model/controls.h"

class QLabel;

namespace vorn {

// The text of a label that ends in a number after its words ("… = .85", "-4500") or is a number
// with Latin words (">1.75 , ok"), as it is drawn: bidiDisplayText(), which isolates the number
// left to right so that in a right-to-left window its point and sign stay in front of the digits
// and read as written. Persian text is left as it is.
QString withIsolatedNumber(const std::string& caption);

// Draws such a label.
void drawNumberLabel(QLabel* label, const Label& state);

}  // namespace vorn
