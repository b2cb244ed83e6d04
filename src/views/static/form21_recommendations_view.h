#pragma once

#include "toolkit/results_window_view.h"
#include "windows/static/form21_recommendations.h"

namespace vorn {

// The recommendations window: the list of provisions and OK.
class Form21View : public ResultsWindowView<Form21> {
public:
  explicit Form21View(ViewApplication& app);

  ListView* list() const { return list_; }

protected:
  void drawControls() override;

private:
  ListView* list_ = nullptr;
};

}  // namespace vorn
