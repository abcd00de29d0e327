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
                     const std::optional<std::string>& text) {
  std::ostringstream out;
  char hwnd[16];
  std::snprintf(hwnd, sizeof hwnd, "%08X", static_cast<unsigned>(window));
  out << (posted ? "post " : "send ") << hwnd << ' ' << MessageName(msg) << " w=" << w
      << " l=" << l;
  if (text) out << " \"" << *text << '"';
  return out.str();
}

}  // namespace

std::string DescribeMessage(const MessageRecord& r) {
  return Describe(r.window, r.msg, r.wParam, r.lParam, r.posted,
                  r.text.empty() ? std::nullopt : std::optional<std::string>(r.text));
}

std::string CompareSequence(const std::vector<MessageRecord>& actual,
                            const std::vector<ExpectedMessage>& expected) {
  std::size_t mismatch = std::string::npos;
  const std::size_t n = actual.size() > expected.size() ? actual.size() : expected.size();
  for (std::size_t i = 0; i < n && mismatch == std::string::npos; ++i) {
    if (i >= actual.size() || i >= expected.size()) {
      mismatch = i;
      break;
    }
    const MessageRecord& a = actual[i];
    const ExpectedMessage& e = expected[i];
    const bool same = a.window == e.window && a.msg == e.msg && a.wParam == e.wParam &&
                      a.lParam == e.lParam && a.posted == (e.via == Via::kPosted) &&
                      (!e.text || *e.text == a.text);
    if (!same) mismatch = i;
  }
  if (mismatch == std::string::npos) return {};

  std::ostringstream report;
  report << "message sequence differs at entry " << mismatch << "\n";
  for (std::size_t i = 0; i < n; ++i) {
    const std::string exp =
        i < expected.size()
            ? Describe(expected[i].window, expected[i].msg, expected[i].wParam, expected[i].lParam,
                       expected[i].via == Via::kPosted, expected[i].text)
            : "(none)";
    const std::string act = i < actual.size() ? DescribeMessage(actual[i]) : "(none)";
    report << (i == mismatch ? "=> " : "   ") << i << "  expected: " << exp << "\n"
           << "       actual:   " << act << "\n";
  }
  return report.str();
}

}  // namespace drelm::sim
