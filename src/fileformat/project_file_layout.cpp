#include "fileformat/project_file_layout.h"

#include <array>
#include <initializer_list>

namespace vorn {

namespace {

void leadingLines(Project& p, LayoutVisitor& v)
{
  for (int k = 1; k <= 17; ++k) {
    v.paddedFlagA(p.ButtonState[k]);  // lines 1-17
  }
  v.paddedCheckC(p.form1.Check11.value);  // 18
  v.paddedFlagA(p.form2.Option1.value);   // 19
  v.paddedFlagA(p.form2.Option2.value);   // 20
  v.plainIndexF(p.form2.Combo1.index);    // 21
  v.plainIndexF(p.form2.Combo2.index);    // 22
  v.plainIndexF(p.form2.Combo3.index);    // 23
  v.text(p.form2.Label2.caption);         // 24
  v.paddedNumberE(p.a);                   // 25
  for (int k = 0; k <= 3; ++k) {
    v.paddedFlagD(p.form3.Option1[k].value);  // 26-29
  }
  for (int k = 0; k <= 3; ++k) {
    v.paddedFlagD(p.form5.Option1[k].value);  // 30-33
  }
  v.plainNumberE(p.i);  // 34
  v.plainNumberE(p.Rx);
  v.plainNumberE(p.Ry);
  v.plainNumberE(p.SYSTEMx);
  v.plainNumberE(p.SYSTEMy);  // 38
  for (int k = 1; k <= 3; ++k) {
    v.plainFlagB(p.Form8State[k]);  // 39-41
  }
  for (int k = 1; k <= 4; ++k) {
    v.paddedCheckF(p.form8.Check[k].value);  // 42-45
  }
  for (int k = 1; k <= 3; ++k) {
    v.textAsNumber(p.form8.Text[k].text);  // 46-48
  }
  v.paddedNumberE(p.N);  // 49
  v.paddedNumberE(p.H1);
  v.paddedNumberE(p.T);
  v.paddedFlagA(p.form8.Command[2].enabled);  // 52
  v.paddedFlagA(p.form8.Command[3].enabled);  // 53
  for (int k = 2; k <= 11; ++k) {
    v.text(p.form10.Text[k].text);  // 54-63
  }
  for (int k = 1; k <= 3; ++k) {
    v.text(p.form14.Text[k].text);  // 64-66
  }
  v.plainFlagD(p.form14.Option1[0].value);  // 67
  v.plainFlagD(p.form14.Option1[1].value);  // 68
  for (int k = 2; k <= 9; ++k) {
    v.text(p.form16.Text[k].text);  // 69-76
  }
  v.text(p.form19.Text[1].text);  // 77
  v.text(p.form19.Text[2].text);  // 78
  for (int k = 2; k <= 5; ++k) {
    v.text(p.form23.Text[k].text);  // 79-82
  }
}

void storyBlock(Project& p, LayoutVisitor& v, int s)
{
  auto numbers = [&](const auto& arrays) {
    for (StoryArray* a : arrays) {
      v.paddedNumberE((*a)[s]);
    }
  };
  auto records = [](StoryRecords& r) {
    return std::array<StoryArray*, 10>{&r.AR, &r.DL,   &r.LL, &r.PERL, &r.PW,
                                       &r.HW, &r.PERW, &r.LW, &r.LOD,  &r.HS};
  };
  StoryRecords& live = p;
  StoryRecords& snap = p.storySnapshot;
  numbers(records(live));                                       // 1-10
  v.paddedFlagA(p.STORYSET[s]);                                 // 11
  numbers(records(snap));                                       // 12-21
  v.flagAsNumberE(snap.STORYSET[s]);                            // 22
  numbers(std::initializer_list<StoryArray*>{&p.StoryWeight});  // 23
  v.paddedNumberE(p.LevelHeight[s]);                            // 24
  numbers(std::initializer_list<StoryArray*>{&p.ForceX, &p.ForceY, &p.DiaphragmX,
                                             &p.DiaphragmY});  // 25-28
  numbers(std::initializer_list<StoryArray*>{&p.CMx, &p.CMy, &p.CRx, &p.CRy, &p.DIMx,
                                             &p.DIMy});  // 29-34
  TorsionSnapshot& t = p.torsionSnapshot;
  numbers(std::initializer_list<StoryArray*>{&t.CMx, &t.CMy, &t.CRx, &t.DIMx,
                                             &t.DIMy});   // 35-39: the snapshot of CRy is not kept
  v.paddedFlagA(p.CMSET[s]);                              // 40
  numbers(std::initializer_list<StoryArray*>{&t.CMSET});  // 41
  numbers(std::initializer_list<StoryArray*>{&p.ECCx, &p.ECCy, &p.EACCx, &p.EACCy, &p.MTx, &p.MTAx,
                                             &p.MTTx, &p.MTy, &p.MTAy, &p.MTTy});  // 42-51
  numbers(std::initializer_list<StoryArray*>{&p.DRIFTx, &p.DRIFTy});               // 52-53
  v.paddedFlagA(p.DRIFTSET[s]);                                                    // 54
  numbers(std::initializer_list<StoryArray*>{&p.VADDx, &p.VADDy, &p.VPDx, &p.VPDy, &p.THETAx,
                                             &p.THETAy});  // 55-60
  StoryDrifts& d = p.driftSnapshot;
  numbers(std::initializer_list<StoryArray*>{&d.DRIFTx, &d.DRIFTy});  // 61-62
  v.paddedFlagA(d.DRIFTSET[s]);                                       // 63
  for (StoryArray& r : p.reserved) {
    v.paddedNumberE(r[s]);  // 64-69
  }
  numbers(std::initializer_list<StoryArray*>{&p.Ajx, &p.Ajy, &p.DRIFTMAXx, &p.DRIFTMAXy,
                                             &d.DRIFTMAXx, &d.DRIFTMAXy, &p.PGRAV, &p.VSTORYx,
                                             &p.VSTORYy});  // 70-78
}

void trailingLines(Project& p, LayoutVisitor& v)
{
  v.paddedFlagA(p.HASFILE);  // T1
  for (double* x :
       {&p.Ftx,  &p.Fty,        &p.Cx,       &p.Cy,  &p.Tx,  &p.Ty,      &p.TEx,      &p.TEy,
        &p.TA,   &p.Bx,         &p.By,       &p.Vx,  &p.Vy,  &p.WT,      &p.FDIMx,    &p.FDIMy,
        &p.FTHK, &p.overturnH1, &p.HF,       &p.MRx, &p.MOx, &p.sumWCMx, &p.sumWFarX, &p.MRy,
        &p.MOy,  &p.sumWCMy,    &p.sumWFarY, &p.SFx, &p.SFy}) {
    v.paddedNumberE(*x);  // T2-T30
  }
  v.paddedFlagA(p.TORNEG);   // T31
  v.paddedFlagA(p.TORNEGy);  // T32
  v.paddedFlagA(p.TORNEGx);  // T33
  for (double* x : {&p.TSTEP, &p.TMAX, &p.Hmax}) {
    v.paddedNumberE(*x);  // T34-T36
  }
  v.paddedFlagA(p.REC1);  // T37
  v.paddedFlagA(p.REC2);  // T38
  for (int k = 1; k <= 10; ++k) {
    v.plainFlagD(p.form27.Check[k].enabled);  // T39-T48
  }
  v.plainFlagB(p.form27.Text1.enabled);      // T49
  v.text(p.form27.Text1.text);               // T50
  v.paddedCheckF(p.form27.Check[11].value);  // T51
  v.paddedFlagA(p.PDELTASET);                // T52
  for (double* x : {&p.Hmax, &p.HmaxO, &p.HmaxX, &p.HmaxY, &p.T0, &p.TS, &p.Tx, &p.Ty, &p.S}) {
    v.paddedNumberE(*x);  // T53-T61
  }
  for (int k = 1; k <= 11; ++k) {
    v.plainFlagD(p.form27.Check[k].enabled);  // T62-T72
  }
  for (int k = 1; k <= 11; ++k) {
    v.paddedCheckF(p.form27.Check[k].value);  // T73-T83
  }
}

}  // namespace

void visitLayout(Project& p, LayoutVisitor& v)
{
  leadingLines(p, v);
  for (int s = 1; s <= kMaxStories; ++s) {
    storyBlock(p, v, s);
  }
  trailingLines(p, v);
}

}  // namespace vorn
