#include "views/main/all_windows_view.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

#include "toolkit/application_view.h"
#include "toolkit/qt_translation_view.h"
#include "views/about/frmabout_view.h"
#include "views/files/form26_file_dialog_view.h"
#include "views/main/form1_main_view.h"
#include "views/pdelta/form23_pdelta_view.h"
#include "views/pdelta/form24_pdelta_results_view.h"
#include "views/pdelta/form25_story_picker_view.h"
#include "views/report/form27_print_view.h"
#include "views/report/form28_output_view.h"
#include "views/site/form2_site_view.h"
#include "views/site/form3_soil_view.h"
#include "views/site/form5_importance_view.h"
#include "views/site/form7_systems_view.h"
#include "views/spectrum/form19_spectrum_view.h"
#include "views/spectrum/form20_spectrum_view.h"
#include "views/static/form13_static_results_view.h"
#include "views/static/form21_recommendations_view.h"
#include "views/static/form22_allowable_drifts_view.h"
#include "views/structure/form10_stories_view.h"
#include "views/structure/form11_story_picker_view.h"
#include "views/structure/form12_input_summary_view.h"
#include "views/structure/form8_structure_view.h"
#include "views/structure/form9_structure_help_view.h"
#include "views/torsion/form14_torsion_view.h"
#include "views/torsion/form15_story_picker_view.h"
#include "views/torsion/form16_torsion_stories_view.h"
#include "views/torsion/form17_torsion_summary_view.h"
#include "views/torsion/form18_torsion_results_view.h"

namespace vorn {

void applyProgramLook()
{
  QApplication::setApplicationName("VORN");
  installQtTranslation();
  QApplication::setLayoutDirection(Qt::RightToLeft);
  QFont font = QApplication::font();
  QStringList families;
  for (const char* family : kProgramFontFamilies) {
    families << family;
  }
  font.setFamilies(families);
  font.setPointSize(10);
  QApplication::setFont(font);
}

void createAllWindows(ViewApplication& app)
{
  app.add(new Form1View(app));
  app.add(new Form2View(app));
  app.add(new Form3View(app));
  app.add(new Form4View(app));
  app.add(new Form5View(app));
  app.add(new Form6View(app));
  app.add(new Form7View(app));
  app.add(new Form8View(app));
  app.add(new Form9View(app));
  app.add(new Form10View(app));
  app.add(new Form11View(app));
  app.add(new Form12View(app));
  app.add(new Form13View(app));
  app.add(new Form14View(app));
  app.add(new Form15View(app));
  app.add(new Form16View(app));
  app.add(new Form17View(app));
  app.add(new Form18View(app));
  app.add(new Form19View(app));
  app.add(new Form20View(app));
  app.add(new Form21View(app));
  app.add(new Form22View(app));
  app.add(new Form23View(app));
  app.add(new Form24View(app));
  app.add(new Form25View(app));
  app.add(new Form26View(app));
  app.add(new Form27View(app));
  app.add(new Form28View(app));
  app.add(new FrmAboutView(app));
  app.refresh();
}

}  // namespace vorn
