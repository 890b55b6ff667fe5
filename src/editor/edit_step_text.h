#pragma once
// The hint of the undo and redo buttons: what one step of the edit history changed, as
// "撤销 EQ3 增益 −3.0 → +1.5 dB" / "Undo EQ3 gain −3.0 → +1.5 dB".

#include <QString>
#include <vector>

#include "params/param_store.h"

namespace morvelin {

enum class StepDirection { Undo, Redo };

// The step's words in the order they changed; copied words (a channel link's copy) are not
// named. Empty `changes`: the button's plain caption, "撤销" / "Undo".
QString StepHint(const ParamStore& store, const std::vector<StoreChange>& changes, StepDirection direction,
                 int uiLanguage);

}  // namespace morvelin
