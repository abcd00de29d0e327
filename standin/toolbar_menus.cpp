#include "standin/toolbar_menus.h"

#include <utility>

namespace drelm::standin {

namespace {

constexpr std::uint32_t kFirstFillerId = 100;

class MenuBuilder {
 public:
  MenuItem Item(const std::string& text, MenuTarget target = MenuTarget::kNone) {
    const std::uint32_t id =
        target == MenuTarget::kNone ? nextFiller_++ : static_cast<std::uint32_t>(target);
    return MenuItem{text, id, {}};
  }
  MenuItem Sub(const std::string& text, std::vector<MenuItem> items) {
    return MenuItem{text, 0, std::move(items)};
  }
  static MenuItem Separator() { return MenuItem{}; }

 private:
  std::uint32_t nextFiller_ = kFirstFillerId;
};

// AOL 4 and 5 share the toolbar; only the mail menu behind the third icon differs.
std::vector<ToolbarIcon> ClassicToolbar(std::vector<MenuItem> mailCenter) {
  return {{"Read", {}},      {"Write", {}},    {"Mail Center", std::move(mailCenter)},
          {"Print", {}},     {"My Files", {}}, {"My AOL", {}},
          {"Favorites", {}}, {"Internet", {}}, {"Channels", {}},
          {"People", {}},    {"Quotes", {}},   {"Perks", {}}};
}

std::vector<ToolbarIcon> Aol4(MenuBuilder& b) {
  // Counted without separators: 10th Automatic AOL, 11th run it, 12th the filing cabinet with
  // the mailbox first and the outbox second, 13th the last.
  std::vector<MenuItem> mailCenter = {
      b.Item("Mail &Center"),
      b.Item("&Read Mail"),
      b.Item("&Write Mail"),
      b.Item("&Old Mail"),
      b.Item("&Sent Mail"),
      MenuBuilder::Separator(),
      b.Item("&Address Book"),
      b.Item("Mail &Preferences"),
      b.Item("Mail &Extras"),
      MenuBuilder::Separator(),
      b.Item("Mail C&ontrols"),
      b.Item("Set up &Automatic AOL (FlashSessions)", MenuTarget::kAutomaticAol),
      b.Item("Run Automatic AOL (FlashSessions) &Now", MenuTarget::kRunAutomaticAol),
      b.Sub("Personal &Filing Cabinet",
            {b.Item("&Incoming/Saved Mail", MenuTarget::kIncomingMail),
             b.Item("&Offline Mail", MenuTarget::kOutbox), b.Item("Mail You've &Sent")}),
      b.Item("&Help with Mail"),
  };
  return ClassicToolbar(std::move(mailCenter));
}

std::vector<ToolbarIcon> Aol5(MenuBuilder& b) {
  // Counted without separators: 12th Automatic AOL, 13th run it, 15th the outbox, 16th the
  // filing cabinet with the mailbox first, 17th the last.
  std::vector<MenuItem> mailCenter = {
      b.Item("Mail &Center"),
      b.Item("&Read Mail"),
      b.Item("&Write Mail"),
      b.Item("&Old Mail"),
      b.Item("&Sent Mail"),
      b.Item("Recently &Deleted Mail"),
      MenuBuilder::Separator(),
      b.Item("&Address Book"),
      b.Item("Mail &Preferences"),
      b.Item("Mail &Extras"),
      b.Item("Mail C&ontrols"),
      b.Item("&Greetings"),
      MenuBuilder::Separator(),
      b.Item("&Automatic AOL", MenuTarget::kAutomaticAol),
      b.Item("Run Automatic AOL &Now", MenuTarget::kRunAutomaticAol),
      b.Item("Print &Setup"),
      b.Item("Mail &Waiting to be Sent", MenuTarget::kOutbox),
      b.Sub("&Filing Cabinet", {b.Item("&Incoming/Saved Mail", MenuTarget::kIncomingMail),
                                b.Item("Mail You've &Sent"), b.Item("&Saved on My PC")}),
      b.Item("&Help with Mail"),
  };
  return ClassicToolbar(std::move(mailCenter));
}

std::vector<ToolbarIcon> Aol6And7(MenuBuilder& b) {
  // The mail menu is reached by accelerators: B for the outbox, U for Automatic AOL.
  std::vector<MenuItem> mail = {
      b.Item("Mail &Center"),
      b.Item("&Write Mail"),
      b.Item("&Address Book"),
      b.Item("Mail &Preferences"),
      b.Item("Mail &Extras"),
      MenuBuilder::Separator(),
      b.Item("&Old Mail"),
      b.Item("&Sent Mail"),
      b.Item("Recently &Deleted Mail"),
      MenuBuilder::Separator(),
      b.Item("Mail Waiting to &Be Sent", MenuTarget::kOutbox),
      b.Item("A&utomatic AOL", MenuTarget::kAutomaticAol),
      b.Item("&Help with Mail"),
  };
  // The next to last item holds the mailbox first.
  std::vector<MenuItem> myFiles = {
      b.Item("&Log Manager"),
      b.Item("&Favorite Places"),
      b.Item("My &Web Page"),
      b.Sub("&Personal Filing Cabinet", {b.Item("&Incoming/Saved Mail", MenuTarget::kIncomingMail),
                                         b.Item("Mail You've &Sent"), b.Item("&Saved on My PC")}),
      b.Item("&Offline Newsgroups"),
  };
  return {{"Mail", mail},       {"People", {}},   {"My Files", myFiles},
          {"AOL Services", {}}, {"Settings", {}}, {"Favorites", {}},
          {"Internet", {}},     {"Channels", {}}, {"Keyword", {}}};
}

bool FindLabel(const std::vector<MenuItem>& menu, std::uint32_t id, std::string& label) {
  for (const MenuItem& item : menu) {
    if (item.submenu.empty() && !item.text.empty() && item.id == id) {
      for (char c : item.text) {
        if (c != '&') label += c;
      }
      return true;
    }
    if (FindLabel(item.submenu, id, label)) return true;
  }
  return false;
}

}  // namespace

std::vector<ToolbarIcon> ToolbarLayout(int version) {
  MenuBuilder builder;
  if (version <= 4) return Aol4(builder);
  if (version == 5) return Aol5(builder);
  return Aol6And7(builder);
}

MenuTarget TargetOf(std::uint32_t itemId) {
  if (itemId >= 1 && itemId <= 4) return static_cast<MenuTarget>(itemId);
  return MenuTarget::kNone;
}

std::string ItemLabel(const std::vector<MenuItem>& menu, std::uint32_t itemId) {
  std::string label;
  FindLabel(menu, itemId, label);
  return label;
}

}  // namespace drelm::standin
