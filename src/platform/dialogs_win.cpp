#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <vector>

#include "platform/dialogs.hpp"
#include "platform/display.hpp"
#include "platform/win32_text.hpp"

namespace platform {
namespace {

// The input box: a prompt, an edit field, OK and Cancel, from a template built
// here (Windows has no ready-made one).
constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

struct InputState {
  std::wstring prompt;
  std::wstring title;
  std::wstring answer;
};

void Align(std::vector<BYTE>& t) {
  while (t.size() % 4 != 0) t.push_back(0);
}
void Word(std::vector<BYTE>& t, WORD w) {
  t.push_back(static_cast<BYTE>(w & 0xff));
  t.push_back(static_cast<BYTE>(w >> 8));
}
void Dword(std::vector<BYTE>& t, DWORD d) {
  Word(t, static_cast<WORD>(d & 0xffff));
  Word(t, static_cast<WORD>(d >> 16));
}
void Text(std::vector<BYTE>& t, const std::wstring& s) {
  for (const wchar_t c : s) Word(t, static_cast<WORD>(c));
  Word(t, 0);
}
// One control: style, position and size in dialog units, id and class atom.
void Item(std::vector<BYTE>& t, DWORD style, short x, short y, short cx, short cy, WORD id,
          WORD atom, const std::wstring& text) {
  Align(t);
  Dword(t, style | WS_CHILD | WS_VISIBLE);
  Dword(t, 0);
  for (const short v : {x, y, cx, cy}) Word(t, static_cast<WORD>(v));
  Word(t, id);
  Word(t, 0xffff);
  Word(t, atom);
  Text(t, text);
  Word(t, 0);  // no creation data
}

std::vector<BYTE> InputTemplate() {
  std::vector<BYTE> t;
  Dword(t, DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION |
               WS_SYSMENU);
  Dword(t, WS_EX_TOPMOST);
  Word(t, 4);  // controls
  for (const short v : {0, 0, 240, 76}) Word(t, static_cast<WORD>(v));
  Word(t, 0);    // no menu
  Word(t, 0);    // the standard dialog class
  Text(t, L"");  // the title is set when the box opens
  Word(t, 9);
  Text(t, L"Segoe UI");
  Item(t, SS_LEFT, 8, 8, 224, 24, kPromptId, 0x0082, L"");
  Item(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 34, 224, 14, kEditId, 0x0081, L"");
  Item(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 128, 56, 50, 14, IDOK, 0x0080, L"OK");
  Item(t, BS_PUSHBUTTON | WS_TABSTOP, 182, 56, 50, 14, IDCANCEL, 0x0080, L"Cancel");
  return t;
}

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<InputState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      state = reinterpret_cast<InputState*>(lparam);
      ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      ::SetWindowTextW(dialog, state->title.c_str());
      ::SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
      ::SetFocus(::GetDlgItem(dialog, kEditId));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        const HWND edit = ::GetDlgItem(dialog, kEditId);
        std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            ::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        state->answer = text;
        ::EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

class Win32Dialogs final : public Dialogs {
 public:
  std::optional<std::string> OpenFile(const std::string& title, const std::filesystem::path& folder,
                                      const std::string& remembered) override {
    std::wstring file = Wide(remembered);
    file.resize(std::max<std::size_t>(file.size() + 1, 32768), L'\0');
    const std::wstring wide_title = Wide(title);
    const std::wstring initial = folder.native();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = L"Settings files (*.txt)\0*.txt\0All files\0*.*\0";
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = initial.c_str();
    dialog.lpstrTitle = wide_title.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameW(&dialog)) return std::nullopt;
    file.resize(::wcslen(file.c_str()));
    return Utf8(file);
  }

  void MsgBox(const std::string& message, const std::string& title) override {
    ::MessageBoxW(nullptr, Wide(message).c_str(), Wide(title).c_str(),
                  MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
  }

  std::string InputBox(const std::string& prompt, const std::string& title) override {
    InputState state{Wide(prompt), Wide(title), {}};
    const std::vector<BYTE> dialog = InputTemplate();
    const INT_PTR result = ::DialogBoxIndirectParamW(
        ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr,
        InputProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? Utf8(state.answer) : std::string();
  }

  bool YesNo(const std::string& question, const std::string& title) override {
    return ::MessageBoxW(
               nullptr, Wide(question).c_str(), Wide(title).c_str(),
               MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST) == IDYES;
  }
};

bool IsConsole(int fd) {
  DWORD mode = 0;
  return ::GetConsoleMode(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)), &mode) != 0;
}

}  // namespace

std::unique_ptr<Dialogs> MakeDefaultDialogs() {
  const bool console = IsConsole(_fileno(stdin)) && IsConsole(_fileno(stderr));
  const bool scripted = !IsConsole(_fileno(stdin)) && !IsConsole(_fileno(stderr));
  if (!HasDisplay() || scripted || (console && TerminalDialogsPreferred())) {
    return MakeTerminalDialogs(std::cin, std::cerr);
  }
  return std::make_unique<Win32Dialogs>();
}

}  // namespace platform
