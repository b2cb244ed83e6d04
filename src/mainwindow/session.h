#pragma once

#include "about/frmabout.h"
#include "analysis/static/form13_static_results.h"
#include "analysis/static/form18_torsion_results.h"
#include "analysis/static/form21_recommendations.h"
#include "analysis/static/form22_allowable_drifts.h"
#include "analysis/supplementary/form14_torsion.h"
#include "analysis/supplementary/form15_story_picker.h"
#include "analysis/supplementary/form16_torsion_stories.h"
#include "analysis/supplementary/form19_spectrum.h"
#include "analysis/supplementary/form20_spectrum.h"
#include "analysis/supplementary/form23_pdelta.h"
#include "analysis/supplementary/form24_pdelta_results.h"
#include "inputs/form10_stories.h"
#include "inputs/form11_story_picker.h"
#include "inputs/form25_story_picker.h"
#include "inputs/form2_site.h"
#include "inputs/form3_soil.h"
#include "inputs/form5_importance.h"
#include "inputs/form7_systems.h"
#include "inputs/form8_structure.h"
#include "inputs/form9_structure_help.h"
#include "mainwindow/form1_main.h"
#include "model/project.h"
#include "model/prompter.h"
#include "projectfile/form26_file_dialog.h"
#include "report/form27_print.h"
#include "report/form28_output.h"
#include "views/form12_input_summary.h"
#include "views/form17_torsion_summary.h"

namespace vorn {

// The running program without its screen: the one project, the way it speaks to the user and
// the logic of every window. The desktop program and the tests each hold one.
class Session {
public:
  explicit Session(Prompter& prompter);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Project project;
  // Every message and question of the program goes through `prompter`, which relays them to the
  // one the session was made with.
  RelayPrompter relay;
  Prompter& prompter;

  Form1 form1;
  Form13 form13{*this};
  Form2 form2{*this};
  Form3 form3{*this};
  Form4 form4{*this};
  Form5 form5{*this};
  Form6 form6{*this};
  Form7 form7{*this};
  Form8 form8{*this};
  Form9 form9{*this};
  Form10 form10{*this};
  Form11 form11{*this};
  Form12 form12{*this};
  Form14 form14{*this};
  Form15 form15{*this};
  Form16 form16{*this};
  Form17 form17{*this};
  Form18 form18{*this};
  Form19 form19{*this};
  Form20 form20{*this};
  Form21 form21{*this};
  Form22 form22{*this};
  Form23 form23{*this};
  Form24 form24{*this};
  Form25 form25{*this};

  Form26 form26{*this};
  Form27 form27{*this};
  Form28 form28{*this};
  FrmAbout frmAbout{*this};

  // Set when the user confirmed leaving the program; the desktop program then quits.
  bool exitRequested = false;
};

}  // namespace vorn
