#pragma once

namespace vorn {

class Session;

// Design recommendations: lists in the recommendations window the code provisions that apply to
// the building as entered (method of analysis, site spectrum, dual systems, flat slabs, vertical
// earthquake, parts and attachments, deformation compatibility, partitions, serviceability
// earthquake, separation joint), sets REC1 and REC2 and makes the table available to the report.
// Reads the stored results of the static run; opens the window over the main window.
void RUN3(Session& session);

}  // namespace vorn
