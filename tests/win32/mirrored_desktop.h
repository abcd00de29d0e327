// One window tree built twice: as real windows of this process (classes named like the AOL
// client's) and in the simulator. Nodes are numbered in the order they are added, so an answer
// from either window system can be turned into "which node" and the two compared.
#pragma once

#include <string>
#include <vector>

#include "platform/sim/sim_window_system.h"
#include "platform/win32/win32_window_system.h"

namespace drelm::contract {

inline constexpr int kNoNode = -1;

struct MenuColumn {
  std::string title;               // a submenu of the menu bar
  std::vector<std::string> items;  // its command items, in order
};

class MirroredDesktop {
 public:
  MirroredDesktop();
  ~MirroredDesktop();
  MirroredDesktop(const MirroredDesktop&) = delete;
  MirroredDesktop& operator=(const MirroredDesktop&) = delete;

  // A window of this class and text, below parent (kNoNode: top level). Returns its node.
  int Add(const std::string& className, const std::string& text, int parent = kNoNode);
  // Destroys the real window of a node (with its children), leaving the simulated one.
  void DestroyReal(int node);
  // Gives a top-level node a menu bar of these columns, on both sides.
  void SetMenuBar(int node, const std::vector<MenuColumn>& columns);

  Hwnd Real(int node) const { return nodes_.at(static_cast<std::size_t>(node)).real; }
  Hwnd Sim(int node) const { return nodes_.at(static_cast<std::size_t>(node)).sim; }
  // The node a handle stands for; kNoNode for 0 and for windows that are not in the tree.
  int NodeOfReal(Hwnd window) const { return NodeOf(window, &Node::real); }
  int NodeOfSim(Hwnd window) const { return NodeOf(window, &Node::sim); }

  win32::Win32WindowSystem real;
  sim::SimWindowSystem sim;

 private:
  struct Node {
    Hwnd real = 0;
    Hwnd sim = 0;
    int parent = kNoNode;
  };
  int NodeOf(Hwnd window, Hwnd Node::*side) const;
  std::vector<Node> nodes_;
};

// A name no other test run uses at the same time: prefix, process id and a counter.
std::string UniqueName(const std::string& prefix);

}  // namespace drelm::contract
