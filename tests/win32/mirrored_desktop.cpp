#include "mirrored_desktop.h"

#include <stdexcept>

#include "platform/win32/win32_api.h"

namespace drelm::contract {

namespace {

using win32::FromHwnd;
using win32::ToHwnd;

// Windows of the AOL client's classes that do nothing of their own: text and the rest come
// from the default window procedure, as the simulator's default handling does.
constexpr const char* kPlainClasses[] = {
    "AOL Frame25",   "AOL Child",     "RICHCNTL",   "_AOL_Icon",   "_AOL_Static",
    "_AOL_Edit",     "_AOL_Gauge",    "_AOL_Modal", "AOL Toolbar", "_AOL_Toolbar",
    "_AOL_Combobox", "_AOL_Checkbox", "_AOL_Glyph",
};
constexpr const char* kListBoxClass = "_AOL_Listbox";

void RegisterClassesOnce() {
  static const bool registered = [] {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const char* name : kPlainClasses) {
      WNDCLASSEXA cls{};
      cls.cbSize = sizeof cls;
      cls.lpfnWndProc = DefWindowProcA;
      cls.hInstance = instance;
      cls.lpszClassName = name;
      if (!RegisterClassExA(&cls)) throw std::runtime_error(std::string("RegisterClass ") + name);
    }
    // The AOL list box behaves as a list box: a superclass of the system's.
    WNDCLASSEXA list{};
    list.cbSize = sizeof list;
    if (!GetClassInfoExA(nullptr, "ListBox", &list)) throw std::runtime_error("ListBox class");
    list.hInstance = instance;
    list.lpszClassName = kListBoxClass;
    if (!RegisterClassExA(&list)) throw std::runtime_error("RegisterClass _AOL_Listbox");
    return true;
  }();
  (void)registered;
}

}  // namespace

MirroredDesktop::MirroredDesktop() {
  RegisterClassesOnce();
}

MirroredDesktop::~MirroredDesktop() {
  // Top-level windows take their children and menus with them.
  for (const Node& node : nodes_) {
    if (node.parent == kNoNode && ::IsWindow(ToHwnd(node.real))) DestroyWindow(ToHwnd(node.real));
  }
}

int MirroredDesktop::Add(const std::string& className, const std::string& text, int parent) {
  HWND realParent = parent == kNoNode ? nullptr : ToHwnd(Real(parent));
  const DWORD style = parent == kNoNode ? WS_OVERLAPPEDWINDOW : WS_CHILD;
  CLIENTCREATESTRUCT mdi{nullptr, 0xFF00};
  void* createParams = className == "MDIClient" ? &mdi : nullptr;
  HWND window = CreateWindowExA(0, className.c_str(), text.c_str(), style, 0, 0, 200, 100,
                                realParent, nullptr, GetModuleHandleA(nullptr), createParams);
  if (!window) throw std::runtime_error("CreateWindowEx " + className);
  // The system's MDI client may keep a default caption; the tree says what it holds.
  SetWindowTextA(window, text.c_str());
  const Hwnd simWindow = sim.CreateWindow(className, text, parent == kNoNode ? 0 : Sim(parent));
  nodes_.push_back(Node{FromHwnd(window), simWindow, parent});
  return static_cast<int>(nodes_.size()) - 1;
}

void MirroredDesktop::SetMenuBar(int node, const std::vector<MenuColumn>& columns) {
  HMENU bar = CreateMenu();
  const MenuHandle simBar = sim.CreateMenu();
  std::uint32_t id = 100;
  for (const MenuColumn& column : columns) {
    HMENU sub = CreatePopupMenu();
    const MenuHandle simSub = sim.CreateMenu();
    for (const std::string& item : column.items) {
      AppendMenuA(sub, MF_STRING, id, item.c_str());
      sim.AppendMenuItem(simSub, item, id);
      ++id;
    }
    AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), column.title.c_str());
    sim.AppendMenuItem(simBar, column.title, 0, simSub);
  }
  if (!::SetMenu(ToHwnd(Real(node)), bar)) throw std::runtime_error("SetMenu");
  sim.SetMenu(Sim(node), simBar);
}

void MirroredDesktop::DestroyReal(int node) {
  DestroyWindow(ToHwnd(Real(node)));
}

int MirroredDesktop::NodeOf(Hwnd window, Hwnd Node::*side) const {
  for (std::size_t i = 0; window != 0 && i < nodes_.size(); ++i) {
    if (nodes_[i].*side == window) return static_cast<int>(i);
  }
  return kNoNode;
}

std::string UniqueName(const std::string& prefix) {
  static int counter = 0;
  return prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

}  // namespace drelm::contract
