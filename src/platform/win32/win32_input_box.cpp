#include <cstring>
#include <vector>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_user.h"

namespace drelm::win32 {

namespace {

// A dialog template assembled in memory: the input box needs no resource file. Layout in dialog
// units, like the classic input box: prompt at the left, OK and Cancel at the right, the answer
// line along the bottom.
class DialogTemplate {
 public:
  void Header(DWORD style, short cx, short cy, int itemCount, const std::string& title) {
    DLGTEMPLATE header{};
    header.style = style;
    header.cdit = static_cast<WORD>(itemCount);
    header.cx = cx;
    header.cy = cy;
    Append(&header, sizeof header);
    Word(0);  // no menu
    Word(0);  // the standard dialog class
    Text(title);
    Word(8);  // DS_SETFONT: point size, then face
    Text("MS Shell Dlg");
  }

  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
            const std::string& text) {
    Align(sizeof(DWORD));
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    Append(&item, sizeof item);
    Word(0xFFFF);  // a predefined class by atom
    Word(atom);
    Text(text);
    Word(0);  // no creation data
  }

  // DialogBoxIndirect wants the template DWORD-aligned.
  const DLGTEMPLATE* Get() {
    Align(sizeof(DWORD));
    aligned_.assign(bytes_.size() / sizeof(DWORD), 0);
    std::memcpy(aligned_.data(), bytes_.data(), bytes_.size());
    return reinterpret_cast<const DLGTEMPLATE*>(aligned_.data());
  }

 private:
  void Append(const void* data, std::size_t size) {
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes_.insert(bytes_.end(), begin, begin + size);
  }
  void Word(WORD value) { Append(&value, sizeof value); }
  void Text(const std::string& text) {
    const std::wstring wide = AnsiToWide(text);
    Append(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  }
  void Align(std::size_t to) {
    while (bytes_.size() % to != 0) bytes_.push_back(0);
  }

  std::vector<unsigned char> bytes_;
  std::vector<DWORD> aligned_;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

struct InputBoxState {
  std::string defaultAnswer;
  std::string answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto* state = reinterpret_cast<const InputBoxState*>(lParam);
      HWND edit = GetDlgItem(dialog, kInputBoxEditId);
      SetWindowTextA(edit, state->defaultAnswer.c_str());
      SendMessageA(edit, EM_SETSEL, 0, -1);
      SetFocus(edit);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      const WORD id = LOWORD(wParam);
      if (id == IDOK) {
        auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
        HWND edit = GetDlgItem(dialog, kInputBoxEditId);
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
        state->answer = text;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

std::string Win32User::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultAnswer) {
  DialogTemplate form;
  form.Header(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 80,
              4, title);
  form.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 170, 48, kInputBoxPromptId, kStaticAtom, prompt);
  form.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 183, 7, 50, 14, IDOK, kButtonAtom, "OK");
  form.Item(BS_PUSHBUTTON | WS_TABSTOP, 183, 24, 50, 14, IDCANCEL, kButtonAtom, "Cancel");
  form.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 60, 226, 12, kInputBoxEditId, kEditAtom,
            "");

  InputBoxState state{defaultAnswer, {}};
  const INT_PTR result =
      DialogBoxIndirectParamA(GetModuleHandleA(nullptr), form.Get(), ToHwnd(Owner()), InputBoxProc,
                              reinterpret_cast<LPARAM>(&state));
  // Cancel, closing the box and a box that could not be shown all answer empty.
  return result == IDOK ? state.answer : std::string();
}

}  // namespace drelm::win32
