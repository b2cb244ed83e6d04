#pragma once

namespace vorn {

class Session;

// Allowable story drifts: fills the allowable-drift window's grid with the drift allowed for
// every story in each direction and the running total from the base up, in centimetres, and
// makes the table available to the report. Reads the design periods of the static run, the
// behaviour factors and the story heights; stores nothing else. Opens the window over the main
// window.
void RUN7(Session& session);

}  // namespace vorn
