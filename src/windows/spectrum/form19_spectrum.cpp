#include "windows/spectrum/form19_spectrum.h"

#include "model/enabling.h"
#include "model/number_text.h"
#include "session/session.h"
#include "session/window_protocol.h"
#include "windows/common/run_messages.h"
#include "windows/spectrum/form20_spectrum.h"

namespace vorn {

void RUN4(Session& session)
{
  openOver(session.project, WindowId::form1, WindowId::Form19);
  session.form19.def();
}

Form19::Form19(Session& session)
    : s_(session),
      boxes_(session.project, session.prompter, WindowId::Form19,
             [&p = session.project](int k) -> TextBox& { return p.form19.Text[k]; })
{
  Project& p = session.project;
  boxes_
      .add(1, form19_texts::picture1, above(0), form19_texts::text1Leave,
           [&p] { return padded(p.form19.def1); })
      .add(2, form19_texts::picture2, above(0), form19_texts::text2Leave,
           [&p] { return padded(p.form19.def2); });
}

void Form19::def()
{
  Form19Controls& f = s_.project.form19;
  f.def1 = boxes_.value(1);
  f.def2 = boxes_.value(2);
}

void Form19::candef()
{
  Form19Controls& f = s_.project.form19;
  f.Text[1].text = padded(f.def1);
  f.Text[2].text = padded(f.def2);
}

void Form19::err()
{
  Project& p = s_.project;
  errore = false;
  p.TMAX = boxes_.value(1);
  p.TSTEP = boxes_.value(2);
  auto refuse = [&](const char* message, int box) {
    s_.prompter.message(message, kProgramTitle);
    boxes_.focus(box);
    errore = true;
  };
  if (p.TMAX <= 0) {
    refuse(form19_texts::tmaxNotPositive, 1);
  } else if (p.TSTEP <= 0) {
    refuse(form19_texts::tstepNotPositive, 2);
  } else if (p.TMAX < p.TSTEP) {
    refuse(form19_texts::stepAboveMaximum, 2);
  } else if (!(roundHalfEven(p.TMAX / p.TSTEP) <= kMaxSpectrumSteps)) {
    refuse(form19_texts::tooManyRows, 2);
  }
}

void Form19::RUN5()
{
  err();
  if (errore) {
    return;
  }
  Project& p = s_.project;
  const int rows = buildSpectrumTable(p);
  if (rows == 0) {
    // A site or behaviour factor far beyond any building (a hand-edited project file).
    s_.prompter.message(run1_texts::invalidDataMessage, run1_texts::checkTitle);
    return;
  }
  showInPlaceOf(p, WindowId::Form19, WindowId::Form20);
  p.form19.rowCount = rows;
  offerReportTable(p, ReportTable::Spectrum);
  errore = false;
}

void Form19::CANCEL_Click()
{
  candef();
  returnTo(s_.project, WindowId::Form19, WindowId::form1);
}

}  // namespace vorn
