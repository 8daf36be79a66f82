#include "Speech.h"

namespace farb {

void Speech::Follow(const TreatmentControl& treatment, int row,
                    const std::vector<std::string>& names, std::optional<bool> lampFound) {
    const HeardState now = Hear(treatment, row, lampFound);
    for (const Announcement& news : AnnouncementsBetween(heard_, now, {treatment.Steps(), names})) {
        frontEnd_.Announce(news);
    }
    heard_ = now;
}

void Speech::SayState(const TreatmentControl& treatment, int row,
                      const std::vector<std::string>& names) {
    frontEnd_.Announce(
        StateOnRequest(Hear(treatment, row, heard_.lampFound), {treatment.Steps(), names}));
}

}  // namespace farb
