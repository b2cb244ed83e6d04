#include "views/report/note_export_view.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "note/calculation_note.h"
#include "note/note_file.h"
#include "toolkit/application_view.h"
#include "toolkit/button_row_view.h"
#include "toolkit/file_name_text_view.h"
#include "toolkit/window_geometry_view.h"
#include "windows/report/form27_print.h"
#include "workbook/workbook.h"

namespace vorn {

namespace {

namespace t = note_texts;

// The settings' keys of the title block's fields.
constexpr const char* kTitleKey = "CalculationNote/projectTitle";
constexpr const char* kEngineerKey = "CalculationNote/engineer";
constexpr const char* kOrganisationKey = "CalculationNote/organisation";

QString text(const char* utf8)
{
  return QString::fromUtf8(utf8);
}

// The save dialog for a note or a workbook, over `parent`.
std::optional<std::string> chooseSaveFile(QWidget* parent, const char* title, const char* filter,
                                          const char* suffix)
{
  QFileDialog dialog(parent, text(title));
  dialog.setObjectName("CommonDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QString::fromStdString(dialogNameFilter(filter)));
  dialog.setDefaultSuffix(text(suffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialogPathBytes(dialog.selectedFiles().first());
}

NoteTitle rememberedTitle()
{
  const QSettings settings(kSettingsOrganisation, kSettingsApplication);
  NoteTitle title;
  title.projectTitle = settings.value(kTitleKey).toString().toStdString();
  title.engineer = settings.value(kEngineerKey).toString().toStdString();
  title.organisation = settings.value(kOrganisationKey).toString().toStdString();
  return title;
}

}  // namespace

NoteExportDialog::NoteExportDialog(ViewApplication& app, QWidget* parent)
    : QDialog(parent), app_(app)
{
  setObjectName("NoteExport");
  setWindowTitle(text(t::noteDialogCaption));
  setLayoutDirection(Qt::RightToLeft);
  const NoteTitle remembered = rememberedTitle();
  auto box = [this](const char* name, const std::string& value) {
    auto* edit = new QLineEdit(QString::fromStdString(value), this);
    edit->setObjectName(name);
    edit->setMinimumWidth(360);
    return edit;
  };
  title_ = box("ProjectTitle", remembered.projectTitle);
  engineer_ = box("Engineer", remembered.engineer);
  organisation_ = box("Organisation", remembered.organisation);
  auto* form = new QFormLayout;
  form->addRow(text(t::projectTitle), title_);
  form->addRow(text(t::engineer), engineer_);
  form->addRow(text(t::organisation), organisation_);

  auto button = [this](const char* name, const char* caption) {
    auto* b = new QPushButton(text(caption), this);
    b->setObjectName(name);
    keepRoomForText(b);
    return b;
  };
  preview_ = button("PREVIEW", t::preview);
  save_ = button("SAVE", t::save);
  QPushButton* cancel = button("CANCEL", t::cancel);
  save_->setDefault(true);
  connect(preview_, &QPushButton::clicked, this, [this] {
    remember();
    NoteTitle title = noteTitleFor(projectPathOf(app_.session()));
    const NoteTitle fields = typed();
    title.projectTitle = fields.projectTitle;
    title.engineer = fields.engineer;
    title.organisation = fields.organisation;
    showPreview(buildNoteDocument(app_.project(), title));
  });
  connect(save_, &QPushButton::clicked, this, [this] {
    remember();
    if (const auto path = chooseFile()) {
      saveTo(*path);
    }
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(preview_);
  buttons->addWidget(save_);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

NoteTitle NoteExportDialog::typed() const
{
  NoteTitle title;
  title.projectTitle = title_->text().trimmed().toStdString();
  title.engineer = engineer_->text().trimmed().toStdString();
  title.organisation = organisation_->text().trimmed().toStdString();
  return title;
}

void NoteExportDialog::remember() const
{
  QSettings settings(kSettingsOrganisation, kSettingsApplication);
  settings.setValue(kTitleKey, title_->text().trimmed());
  settings.setValue(kEngineerKey, engineer_->text().trimmed());
  settings.setValue(kOrganisationKey, organisation_->text().trimmed());
}

bool NoteExportDialog::saveTo(const std::string& path)
{
  bool written = false;
  const NoteTitle fields = typed();
  app_.run([&] { written = exportNote(app_.session(), fields, path, writeNotePdf); });
  if (written) {
    accept();
  }
  return written;
}

std::optional<std::string> NoteExportDialog::chooseFile()
{
  return chooseSaveFile(this, t::noteSaveTitle, t::noteSaveFilter, t::noteSuffix);
}

void NoteExportDialog::showPreview(const NoteDocument& note)
{
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName("NotePreview");
  connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
          [&note](QPrinter* p) { paintCalculationNote(note, *p); });
  preview.exec();
}

void exportWorkbookFromMenu(ViewApplication& app, QWidget* parent)
{
  const auto path =
      chooseSaveFile(parent, t::workbookSaveTitle, t::workbookSaveFilter, t::workbookSuffix);
  if (!path) {
    return;
  }
  const NoteTitle fields = rememberedTitle();
  app.run([&] { exportNote(app.session(), fields, *path, writeWorkbook); });
}

}  // namespace vorn
