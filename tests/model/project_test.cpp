#include "model/project.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace vorn {
namespace {

// Every per-story real array of the project, for sweeping checks.
std::vector<const StoryArray*> storyArrays(const Project& p)
{
  std::vector<const StoryArray*> all = {
      &p.AR,
      &p.DL,
      &p.LL,
      &p.PERL,
      &p.PW,
      &p.HW,
      &p.PERW,
      &p.LW,
      &p.LOD,
      &p.HS,
      &p.CMx,
      &p.CMy,
      &p.CRx,
      &p.CRy,
      &p.DIMx,
      &p.DIMy,
      &p.DRIFTx,
      &p.DRIFTy,
      &p.DRIFTMAXx,
      &p.DRIFTMAXy,
      &p.StoryWeight,
      &p.ForceX,
      &p.ForceY,
      &p.DiaphragmX,
      &p.DiaphragmY,
      &p.ECCx,
      &p.ECCy,
      &p.EACCx,
      &p.EACCy,
      &p.MTx,
      &p.MTAx,
      &p.MTTx,
      &p.MTy,
      &p.MTAy,
      &p.MTTy,
      &p.PGRAV,
      &p.VSTORYx,
      &p.VSTORYy,
      &p.THETAx,
      &p.THETAy,
      &p.VPDx,
      &p.VPDy,
      &p.VADDx,
      &p.VADDy,
      &p.storySnapshot.AR,
      &p.storySnapshot.HS,
      &p.torsionSnapshot.CMx,
      &p.torsionSnapshot.CMSET,
      &p.driftSnapshot.DRIFTx,
  };
  for (const auto& r : p.reserved) {
    all.push_back(&r);
  }
  return all;
}

// Fills every per-story value of stories 1 to 200 and most single values with junk, as a
// project of many stories that has been run would have them.
void dirty(Project& p)
{
  for (const StoryArray* a : storyArrays(p)) {
    const_cast<StoryArray*>(a)->fill(7.5);
  }
  p.Ajx.fill(2.0);
  p.Ajy.fill(3.0);
  p.STORYSET.fill(true);
  p.CMSET.fill(true);
  p.DRIFTSET.fill(true);
  p.storySnapshot.STORYSET.fill(true);
  for (int s = 0; s <= kMaxStories; ++s) {
    p.LevelHeight[s] = s * 3.0;
  }
  p.N = 200;
  p.H1 = 600;
  p.Tx = p.Ty = p.Bx = p.Cx = p.Vx = p.WT = p.MOx = p.SFy = 9;
  p.REC1 = p.REC2 = p.PDELTASET = p.HASFILE = p.TORNEG = true;
  p.a = 0.2;
  p.S = 1.75;
  p.TS = 1.0;
  p.form3.Option1[0].value = false;
  p.form3.Option1[3].value = true;
  p.form8.Text[2].text = "200";
  p.form10.Text[3].text = "800";
  p.form27.Check[6] = {1, true, true};
  p.form13.MSFlexGrid1.setRows(201);
  p.form13.MSFlexGrid1.setCell(200, 7, "x");
  p.form13.List1.addItem("line");
  p.form1.Command[1].enabled = false;
  p.form1.Command[10].enabled = true;
}

TEST(ProjectReset, NewClearsEveryStoryExceptTheAmplificationFactors)
{
  auto p = std::make_unique<Project>();
  dirty(*p);
  p->resetToNew();
  for (const StoryArray* a : storyArrays(*p)) {
    for (int s = 1; s <= kMaxStories; ++s) {
      ASSERT_EQ((*a)[s], 0.0) << "story " << s;
    }
  }
  for (int s = 1; s <= kMaxStories; ++s) {
    ASSERT_EQ(p->Ajx[s], 1.0);
    ASSERT_EQ(p->Ajy[s], 1.0);
    ASSERT_FALSE(p->STORYSET[s]);
    ASSERT_FALSE(p->CMSET[s]);
    ASSERT_FALSE(p->DRIFTSET[s]);
    ASSERT_FALSE(p->storySnapshot.STORYSET[s]);
  }
  for (int s = 0; s <= kMaxStories; ++s) {
    ASSERT_EQ(p->LevelHeight[s], 0.0);
  }
}

TEST(ProjectReset, NewRestoresTheDefaultsOfEveryGroup)
{
  auto p = std::make_unique<Project>();
  dirty(*p);
  p->resetToNew();
  EXPECT_EQ(p->N, 1);
  EXPECT_EQ(p->H1, 3);
  EXPECT_EQ(p->T, 1);
  EXPECT_EQ(p->a, 0.35);
  EXPECT_EQ(p->form2.Label2.caption, "A=0.35");
  EXPECT_EQ(p->T0, 0.1);
  EXPECT_EQ(p->TS, 0.4);
  EXPECT_EQ(p->S, 1.5);
  EXPECT_TRUE(p->form3.Option1[0].value);
  EXPECT_FALSE(p->form3.Option1[3].value);
  EXPECT_EQ(p->i, 1.0);
  EXPECT_EQ(p->Tx, 0);
  EXPECT_EQ(p->WT, 0);
  EXPECT_EQ(p->SFy, 0);
  EXPECT_FALSE(p->REC1 || p->REC2 || p->PDELTASET || p->HASFILE || p->TORNEG);
  EXPECT_EQ(p->form8.Text[2].text, "1");
  EXPECT_EQ(p->form10.Text[3].text, "500");
  EXPECT_EQ(p->form27.Check[6], (CheckBox{0, false, true}));
  EXPECT_TRUE(p->form27.Check[1].enabled);
  EXPECT_EQ(p->form13.MSFlexGrid1.rows(), 2);
  EXPECT_EQ(p->form13.MSFlexGrid1.text(1, 7), "");
  EXPECT_EQ(p->form13.List1.count(), 0);
  EXPECT_TRUE(p->form1.Command[1].enabled);
  EXPECT_FALSE(p->form1.Command[10].enabled);
}

TEST(ProjectReset, NewLeavesWhatItDoesNotOwn)
{
  auto p = std::make_unique<Project>();
  p->form1.Command[7].enabled = false;
  p->form1.Check11.value = 1;
  p->form2.Combo3.index = 2;
  p->form7.xory = "y";
  p->form14.Option1[0].value = false;
  p->form14.Option1[1].value = true;
  p->form27.Text1.enabled = true;
  p->window(WindowId::Form13).visible = true;
  p->resetToNew();
  EXPECT_FALSE(p->form1.Command[7].enabled);
  EXPECT_EQ(p->form1.Check11.value, 1);
  EXPECT_EQ(p->form2.Combo3.index, 2);
  EXPECT_EQ(p->form7.xory, "y");
  EXPECT_TRUE(p->form14.Option1[1].value);
  EXPECT_TRUE(p->form27.Text1.enabled);
  EXPECT_TRUE(p->window(WindowId::Form13).visible);
}

TEST(StoryIndex, OutsideOneToTwoHundredIsRefusedNeverClamped)
{
  Project p;
  EXPECT_THROW(p.AR[0], std::out_of_range);
  EXPECT_THROW(p.AR[201], std::out_of_range);
  EXPECT_THROW(p.STORYSET[201], std::out_of_range);
  EXPECT_THROW(p.Ajx[-1], std::out_of_range);
  EXPECT_NO_THROW(p.AR[1] = 1);
  EXPECT_NO_THROW(p.AR[200] = 2);
  EXPECT_EQ(p.LevelHeight[0], 0.0);  // the base level exists
  EXPECT_THROW(p.LevelHeight[201], std::out_of_range);
  EXPECT_THROW(p.form1.Command[17], std::out_of_range);
}

TEST(Snapshots, CancelRestoresWhatTheDialogOpenedWith)
{
  auto p = std::make_unique<Project>();
  p->AR[3] = 120;
  p->STORYSET[3] = true;
  p->snapshotStories();
  p->AR[3] = 999;
  p->HS[200] = 4;
  p->STORYSET[3] = false;
  p->STORYSET[4] = true;
  p->restoreStories();
  EXPECT_EQ(p->AR[3], 120);
  EXPECT_EQ(p->HS[200], 0);
  EXPECT_TRUE(p->STORYSET[3]);
  EXPECT_FALSE(p->STORYSET[4]);

  p->CMx[2] = 5;
  p->CMSET[2] = true;
  p->snapshotTorsion();
  EXPECT_EQ(p->torsionSnapshot.CMSET[2], -1.0);
  EXPECT_EQ(p->torsionSnapshot.CMSET[1], 0.0);
  p->CMx[2] = 8;
  p->CMSET[2] = false;
  p->CMSET[1] = true;
  p->restoreTorsion();
  EXPECT_EQ(p->CMx[2], 5);
  EXPECT_TRUE(p->CMSET[2]);
  EXPECT_FALSE(p->CMSET[1]);

  p->DRIFTMAXy[7] = 0.02;
  p->snapshotDrifts();
  p->DRIFTMAXy[7] = 0.05;
  p->DRIFTSET[7] = true;
  p->restoreDrifts();
  EXPECT_EQ(p->DRIFTMAXy[7], 0.02);
  EXPECT_FALSE(p->DRIFTSET[7]);
}

}  // namespace
}  // namespace vorn
