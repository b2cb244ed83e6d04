#include "mainwindow/form1_main.h"

#include "analysis/static/run1_static.h"
#include "analysis/static/run2_torsion.h"
#include "analysis/static/run3_recommendations.h"
#include "analysis/static/run7_allowable_drifts.h"
#include "analysis/supplementary/form19_spectrum.h"
#include "analysis/supplementary/form23_pdelta.h"
#include "mainwindow/session.h"

namespace vorn {

void Form1::Command_Click(int k)
{
  // Each window's issue wires its button here.
  (void)s_.project.form1.Command[k];
  switch (k) {
    case 1:
      s_.form2.open();
      break;
    case 2:
      s_.form3.open();
      break;
    case 3:
      s_.form5.open();
      break;
    case 4:
      s_.form7.showForX();
      break;
    case 5:
      s_.form7.showForY();
      break;
    case 6:
      s_.form8.open();
      break;
    case 7:
      s_.frmAbout.show();
      break;
    case 8:
      s_.form12.fill();
      break;
    case 9:
      RUN1(s_);
      break;
    case 10:
      s_.form14.open();
      break;
    case 11:
      s_.form17.fill();
      break;
    case 12:
      RUN2(s_);
      break;
    case 13:
      RUN3(s_);
      break;
    case 14:
      RUN4(s_);
      break;
    case 15:
      RUN7(s_);
      break;
    case 16:
      run8(s_);
      break;
    default:
      break;
  }
}

bool Form1::Form_QueryUnload()
{
  ed();
  return s_.exitRequested;
}

void Form1::NW()
{
  if (!s_.prompter.askYesNo(form1_texts::newQuestion, form1_texts::newTitle)) {
    return;
  }
  Form1Controls& f = s_.project.form1;
  for (int k = 1; k <= 6; ++k) {
    f.Command[k].enabled = true;
  }
  for (int k = 8; k <= 13; ++k) {
    f.Command[k].enabled = false;
  }
  f.Command[14].enabled = true;
  f.Command[15].enabled = false;
  f.Command[16].enabled = false;
  f.NEW.enabled = true;
  f.END.enabled = true;
  f.Check11.enabled = false;
  s_.project.resetToNew();
}

void Form1::ed()
{
  if (s_.prompter.askYesNo(form1_texts::exitQuestion, form1_texts::exitTitle)) {
    s_.exitRequested = true;
  }
}

void Form1::Check11_Click(int value)
{
  Project& p = s_.project;
  p.form1.Check11.value = value;
  if (value != 1) {
    return;
  }
  if (!s_.prompter.askOkCancel(form1_texts::resetQuestion, form1_texts::resetTitle)) {
    p.form1.Check11.value = 0;
    return;
  }
  p.form1.Check11.enabled = false;
  for (int k = 1; k <= 6; ++k) {
    p.form1.Command[k].enabled = true;
  }
  for (int k : {10, 11, 12, 13, 15, 16}) {
    p.form1.Command[k].enabled = false;
  }
  for (int k = 5; k <= 10; ++k) {
    p.form27.Check[k].enabled = false;
  }
}

void Form1::lockInputsAfterRun()
{
  Form1Controls& f = s_.project.form1;
  for (int k : {13, 15, 16}) {
    f.Command[k].enabled = true;
  }
  f.Check11.value = 0;
  f.Check11.enabled = true;
  for (int k = 1; k <= 6; ++k) {
    f.Command[k].enabled = false;
  }
}

}  // namespace vorn
