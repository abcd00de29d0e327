// The options window's menu items, by name, for the features that act on them without knowing
// the options window.
#pragma once

#include "idle/idle_context.h"
#include "options/frm_options.h"

namespace drelm {

class OptionsMenuAccess : public IdleMenu {
 public:
  explicit OptionsMenuAccess(FrmOptions& options) : options_(options) {}

  bool Checked(std::string_view item) const override { return options_.Item(item).checked; }
  void SetChecked(std::string_view item, bool checked) override {
    options_.Item(item).checked = checked;
  }
  void SetEnabled(std::string_view item, bool enabled) override {
    options_.Item(item).enabled = enabled;
  }
  void SetCaption(std::string_view item, std::string_view caption) override {
    options_.Item(item).caption = caption;
  }
  void Wire(std::string_view item, std::function<void()> handler) override {
    options_.Wire(item, std::move(handler));
  }

 private:
  FrmOptions& options_;
};

}  // namespace drelm
