// The two idle-time clocks, advanced together once per idle minute by the status scroller: the
// main window's labels ("12/m", "3/h", "1/d"), which are the session clock's only storage and
// which stop resets, and the lifetime totals in the store's "idler" section, which nothing here
// ever resets.
#pragma once

#include "core/form_model.h"
#include "core/settings_store.h"

namespace drelm {

struct IdleClockLabels {
  Label& lblMins;
  Label& lblHours;
  Label& lblDays;
};

// One minute more on the labels and on the stored totals; minutes roll into hours at 60 and
// hours into days at 24. A missing or non-numeric part counts as 0.
void AdvanceIdleClock(IdleClockLabels labels, SettingsStore& store);

// The labels back to "0/m", "0/h", "0/d".
void ResetIdleClockLabels(IdleClockLabels labels);

}  // namespace drelm
