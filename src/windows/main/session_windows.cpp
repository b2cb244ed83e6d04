// The logic of every window, made with the session. This is the one file that knows them all;
// the session itself only names them.
#include "session/session.h"

#include "windows/about/frmabout.h"
#include "windows/files/form26_file_dialog.h"
#include "windows/main/form1_main.h"
#include "windows/pdelta/form23_pdelta.h"
#include "windows/pdelta/form24_pdelta_results.h"
#include "windows/pdelta/form25_story_picker.h"
#include "windows/report/form27_print.h"
#include "windows/report/form28_output.h"
#include "windows/site/form2_site.h"
#include "windows/site/form3_soil.h"
#include "windows/site/form5_importance.h"
#include "windows/site/form7_systems.h"
#include "windows/spectrum/form19_spectrum.h"
#include "windows/spectrum/form20_spectrum.h"
#include "windows/static/form13_static_results.h"
#include "windows/static/form21_recommendations.h"
#include "windows/static/form22_allowable_drifts.h"
#include "windows/structure/form10_stories.h"
#include "windows/structure/form11_story_picker.h"
#include "windows/structure/form12_input_summary.h"
#include "windows/structure/form8_structure.h"
#include "windows/structure/form9_structure_help.h"
#include "windows/torsion/form14_torsion.h"
#include "windows/torsion/form15_story_picker.h"
#include "windows/torsion/form16_torsion_stories.h"
#include "windows/torsion/form17_torsion_summary.h"
#include "windows/torsion/form18_torsion_results.h"

namespace vorn {

struct SessionWindows {
  explicit SessionWindows(Session& s)
      : form1(s),
        form13(s),
        form2(s),
        form3(s),
        form4(s),
        form5(s),
        form6(s),
        form7(s),
        form8(s),
        form9(s),
        form10(s),
        form11(s),
        form12(s),
        form14(s),
        form15(s),
        form16(s),
        form17(s),
        form18(s),
        form19(s),
        form20(s),
        form21(s),
        form22(s),
        form23(s),
        form24(s),
        form25(s),
        form26(s),
        form27(s),
        form28(s),
        frmAbout(s)
  {
  }

  Form1 form1;
  Form13 form13;
  Form2 form2;
  Form3 form3;
  Form4 form4;
  Form5 form5;
  Form6 form6;
  Form7 form7;
  Form8 form8;
  Form9 form9;
  Form10 form10;
  Form11 form11;
  Form12 form12;
  Form14 form14;
  Form15 form15;
  Form16 form16;
  Form17 form17;
  Form18 form18;
  Form19 form19;
  Form20 form20;
  Form21 form21;
  Form22 form22;
  Form23 form23;
  Form24 form24;
  Form25 form25;
  Form26 form26;
  Form27 form27;
  Form28 form28;
  FrmAbout frmAbout;
};

Session::Session(Prompter& p)
    : relay(p),
      prompter(relay),
      windows_(std::make_unique<SessionWindows>(*this)),
      form1(windows_->form1),
      form13(windows_->form13),
      form2(windows_->form2),
      form3(windows_->form3),
      form4(windows_->form4),
      form5(windows_->form5),
      form6(windows_->form6),
      form7(windows_->form7),
      form8(windows_->form8),
      form9(windows_->form9),
      form10(windows_->form10),
      form11(windows_->form11),
      form12(windows_->form12),
      form14(windows_->form14),
      form15(windows_->form15),
      form16(windows_->form16),
      form17(windows_->form17),
      form18(windows_->form18),
      form19(windows_->form19),
      form20(windows_->form20),
      form21(windows_->form21),
      form22(windows_->form22),
      form23(windows_->form23),
      form24(windows_->form24),
      form25(windows_->form25),
      form26(windows_->form26),
      form27(windows_->form27),
      form28(windows_->form28),
      frmAbout(windows_->frmAbout)
{
}

Session::~Session() = default;

}  // namespace vorn
