#pragma once

#include "toolkit/dialog_view.h"
#include "toolkit/results_parts_view.h"
#include "windows/static/form21_recommendations.h"

namespace vorn {

// The recommendations window: the list of provisions and OK.
class Form21View : public DialogView<Form21, ViewContents> {
public:
  explicit Form21View(ViewApplication& app);

  ListView* list() const { return list_; }

protected:
  void drawControls() override;

private:
  ListView* list_ = nullptr;
};

}  // namespace vorn
