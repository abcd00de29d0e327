#include "platform/sim/message_sequence.h"

#include <cstdio>
#include <sstream>

#include "platform/winuser_constants.h"

namespace drelm::sim {

std::string MessageName(std::uint32_t msg) {
  switch (msg) {
    case WM_DESTROY:
      return "WM_DESTROY";
    case WM_SETTEXT:
      return "WM_SETTEXT";
    case WM_GETTEXT:
      return "WM_GETTEXT";
    case WM_GETTEXTLENGTH:
      return "WM_GETTEXTLENGTH";
    case WM_CLOSE:
      return "WM_CLOSE";
    case WM_KEYDOWN:
      return "WM_KEYDOWN";
    case WM_KEYUP:
      return "WM_KEYUP";
    case WM_CHAR:
      return "WM_CHAR";
    case WM_COMMAND:
      return "WM_COMMAND";
    case WM_SYSCOMMAND:
      return "WM_SYSCOMMAND";
    case WM_LBUTTONDOWN:
      return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP:
      return "WM_LBUTTONUP";
    case WM_RBUTTONUP:
      return "WM_RBUTTONUP";
    case LB_ADDSTRING:
      return "LB_ADDSTRING";
    case LB_SETCURSEL:
      return "LB_SETCURSEL";
    case LB_GETCURSEL:
      return "LB_GETCURSEL";
    case LB_GETTEXT:
      return "LB_GETTEXT";
    case LB_GETTEXTLEN:
      return "LB_GETTEXTLEN";
    case LB_GETCOUNT:
      return "LB_GETCOUNT";
    case BM_GETCHECK:
      return "BM_GETCHECK";
    case BM_SETCHECK:
      return "BM_SETCHECK";
    case BM_CLICK:
      return "BM_CLICK";
    default: {
      char buf[16];
      std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(msg));
      return buf;
    }
  }
}

namespace {

std::string Describe(Hwnd window, std::uint32_t msg, WParam w, LParam l, bool posted,
                     const std::optional<std::string>& text, unsigned flags = kExact) {
  std::ostringstream out;
  char hwnd[16];
  std::snprintf(hwnd, sizeof hwnd, "%08X", static_cast<unsigned>(window));
  out << (posted ? "post " : "send ") << hwnd << ' ' << MessageName(msg);
  if (flags & kAnyWParam) {
    out << " w=*";
  } else {
    out << " w=" << w;
  }
  if (flags & kAnyLParam) {
    out << " l=*";
  } else {
    out << " l=" << l;
  }
  if (text) out << " \"" << *text << '"';
  if (flags & kOptional) out << " (optional)";
  return out.str();
}

std::string DescribeExpected(const ExpectedMessage& e) {
  return Describe(e.window, e.msg, e.wParam, e.lParam, e.via == Via::kPosted, e.text, e.flags);
}

}  // namespace

bool ExpectedMessage::Matches(const MessageRecord& a) const {
  return a.window == window && a.msg == msg && ((flags & kAnyWParam) || a.wParam == wParam) &&
         ((flags & kAnyLParam) || a.lParam == lParam) && a.posted == (via == Via::kPosted) &&
         (!text || *text == a.text);
}

std::string DescribeMessage(const MessageRecord& r) {
  return Describe(r.window, r.msg, r.wParam, r.lParam, r.posted,
                  r.text.empty() ? std::nullopt : std::optional<std::string>(r.text));
}

std::string CompareSequence(const std::vector<MessageRecord>& actual,
                            const std::vector<ExpectedMessage>& expected) {
  // Walks both lists; an optional entry that does not match the next message is skipped.
  std::size_t e = 0, a = 0;
  while (e < expected.size()) {
    if (a < actual.size() && expected[e].Matches(actual[a])) {
      ++e;
      ++a;
    } else if (expected[e].flags & kOptional) {
      ++e;
    } else {
      break;
    }
  }
  if (e == expected.size() && a == actual.size()) return {};

  std::ostringstream report;
  report << "message sequence differs at expected entry " << e << ", actual entry " << a << "\n";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    report << (i == e ? "=> " : "   ") << i << "  expected: " << DescribeExpected(expected[i])
           << "\n";
  }
  if (e == expected.size()) report << "=> " << e << "  expected: (none)\n";
  for (std::size_t i = 0; i < actual.size(); ++i) {
    report << (i == a ? "=> " : "   ") << i << "  actual:   " << DescribeMessage(actual[i]) << "\n";
  }
  if (a == actual.size()) report << "=> " << a << "  actual:   (none)\n";
  return report.str();
}

}  // namespace drelm::sim
