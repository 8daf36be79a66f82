#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Announcements.h"
#include "FormFrontEnd.h"
#include "TreatmentControl.h"

namespace farb {

// What the screen reader is told of the treatment and the lamp: after every event, what changed
// since the one before; on request, the whole state.
class Speech {
  public:
    explicit Speech(FormFrontEnd& frontEnd) : frontEnd_(frontEnd) {}

    // `row` is the chosen programme, `names` the programme list's items.
    void Follow(const TreatmentControl& treatment, int row, const std::vector<std::string>& names,
                std::optional<bool> lampFound);
    void SayState(const TreatmentControl& treatment, int row,
                  const std::vector<std::string>& names);

  private:
    FormFrontEnd& frontEnd_;
    HeardState heard_;
};

}  // namespace farb
