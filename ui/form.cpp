#include "ui/form.h"

#include <stdexcept>
#include <vector>

#include "base/scoped_value.h"
#include "ui/menu.h"
#include "win/window_class.h"
#include "win/window_list.h"

namespace ui {
namespace {

DWORD FormStyle(const TFormOptions& options) {
  DWORD style = WS_CLIPCHILDREN;
  switch (options.borderStyle) {
    case TBorderStyle::bsNone:
      return style | WS_POPUP;
    case TBorderStyle::bsSingle:
      style |= WS_CAPTION;
      break;
    case TBorderStyle::bsSizeable:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TBorderStyle::bsDialog:
      style |= WS_CAPTION;
      break;
  }
  if (options.borderIcons.systemMenu) {
    style |= WS_SYSMENU;
    if (options.borderStyle != TBorderStyle::bsDialog) {
      style |= options.borderIcons.minimize ? WS_MINIMIZEBOX : 0;
      style |= options.borderIcons.maximize ? WS_MAXIMIZEBOX : 0;
    }
  }
  return style;
}

DWORD FormExStyle(const TFormOptions& options) {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (options.borderStyle == TBorderStyle::bsDialog) {
    exStyle |= WS_EX_DLGMODALFRAME;
  }
  return exStyle;
}

HWND MainFormWindow() {
  TForm* mainForm = Application().MainForm();
  return mainForm ? mainForm->Handle() : nullptr;
}

std::vector<HWND> EnabledThreadWindows() {
  std::vector<HWND> enabled;
  for (HWND window : win::ThreadWindows()) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      enabled.push_back(window);
    }
  }
  return enabled;
}

}  // namespace

// While a form is modal: the thread's other top-level windows are disabled.
// On leaving they are enabled again before the form hides, so the system
// hands the activation back to one of them.
class TForm::ModalScope {
 public:
  explicit ModalScope(TForm& form)
      : form_(form), previous_(GetActiveWindow()), disabled_(EnabledThreadWindows()) {
    for (HWND window : disabled_) {
      EnableWindow(window, FALSE);
    }
    form_.modal_ = true;
    form_.modalResult_ = mrNone;
  }
  ~ModalScope() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) {
        EnableWindow(window, TRUE);
      }
    }
    form_.Hide();
    form_.modal_ = false;
    if (previous_ && IsWindow(previous_)) {
      SetActiveWindow(previous_);
    }
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  TForm& form_;
  HWND previous_;
  std::vector<HWND> disabled_;
};

TForm::TForm(const TFormOptions& options)
    : TControl(
          nullptr,
          TWindowClass{win::RegisterWindowClass(options.className, CS_DBLCLKS, &WindowTrampoline),
                       FormStyle(options), FormExStyle(options)},
          TBounds{options.left, options.top, options.clientWidth, options.clientHeight},
          options.caption, MainFormWindow()) {
  if (!options.scaled) {
    KeepDesignPixels();
  }
  SetClientSize(Scaled() ? ToScreenPixels(options.clientWidth) : options.clientWidth,
                Scaled() ? ToScreenPixels(options.clientHeight) : options.clientHeight);
}

// The controls and menus go while the form is whole; a main menu takes its
// menu bar off the window as it goes.
TForm::~TForm() {
  DestroyComponents();
  if (Application().MainForm() == this) {
    Application().SetMainForm(nullptr);
  }
}

int TForm::ClientWidth() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.right;
}

int TForm::ClientHeight() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.bottom;
}

// Grows the window by its frame as it stands (caption, borders, menu bar).
// A window that has the size already is left alone.
void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  RECT window{};
  RECT client{};
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  if (client.right == width && client.bottom == height) {
    return;
  }
  const int frameWidth = (window.right - window.left) - client.right;
  const int frameHeight = (window.bottom - window.top) - client.bottom;
  SetWindowPos(Handle(), nullptr, 0, 0, width + frameWidth, height + frameHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::DoCreate() {
  if (OnCreate) {
    OnCreate(this);
  }
}

void TForm::Show() {
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void TForm::Hide() {
  ShowWindow(Handle(), SW_HIDE);
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) {
    OnCloseQuery(this, canClose);
  }
  if (!canClose) {
    return false;
  }
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) {
    OnClose(this, action);
  }
  return action != TCloseAction::caNone;
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) {
    return;
  }
  Hide();
  if (Application().MainForm() == this) {
    Application().Terminate();
  }
}

int TForm::ShowModal() {
  if (modal_ || Visible()) {
    throw std::logic_error("Cannot make a visible window modal");
  }
  ModalScope scope(*this);
  Show();
  while (modalResult_ == mrNone) {
    if (Application().Terminated()) {
      modalResult_ = mrCancel;
      break;
    }
    Application().HandleMessage();
    if (modalResult_ != mrNone && !CloseQuery()) {
      modalResult_ = mrNone;
    }
  }
  return modalResult_;
}

void TForm::AttachMenu(TMainMenu* menu) {
  menu_ = menu;
  SetMenu(Handle(), menu ? menu->Handle() : nullptr);
  KeepClientSize();
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_SHOWWINDOW:
      if (message.WParam && message.LParam == 0 && OnShow && !showing_) {
        const base::ScopedValue showing(showing_, true);
        OnShow(this);
      }
      break;
    case WM_ERASEBKGND:
      EraseWithColor(message);
      return;
    case WM_ACTIVATE:
      Activated(message);
      return;
    case DM_GETDEFID:
      if (defaultButton_ && defaultButton_->Enabled()) {
        message.Result = MAKELRESULT(GetDlgCtrlID(defaultButton_->Handle()), DC_HASDEFID);
      }
      return;
    case WM_COMMAND:
      if (message.LParam == 0) {
        RouteMenuMessage(message);
        return;
      }
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (message.WParam == 0) {  // from a menu
        RouteMenuMessage(message);
        return;
      }
      break;
  }
  TControl::WndProc(message);
}

// Keeps the focused control over deactivation, as dialog boxes do; the first
// control in tab order gets the focus at the first activation.
void TForm::Activated(TMessage& message) {
  if (LOWORD(message.WParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) {
      focused_ = focus;
    }
    return;
  }
  if (HIWORD(message.WParam)) {  // minimised
    return;
  }
  if (!focused_ || !IsWindow(focused_) || !IsChild(Handle(), focused_)) {
    focused_ = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  }
  SetFocus(focused_ ? focused_ : Handle());
}

// Menu commands, and Escape, which IsDialogMessage turns into IDCANCEL.
void TForm::RouteMenuMessage(TMessage& message) {
  if (message.Msg == WM_COMMAND) {
    const UINT command = LOWORD(message.WParam);
    if (command == IDCANCEL && HIWORD(message.WParam) == 0) {
      if (cancelButton_ && cancelButton_->Enabled()) {
        SendMessageW(cancelButton_->Handle(), BM_CLICK, 0, 0);
        return;
      }
      if (modal_) {
        Close();
        return;
      }
    }
    if (TMenuItem* item = TMenuItem::FromCommand(command)) {
      item->Click();
    }
    return;
  }
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (TMenuItem* item = TMenuItem::FromItemData(measure->itemData)) {
      item->MeasureItem(*measure);
      message.Result = TRUE;
    }
    return;
  }
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  if (TMenuItem* item = TMenuItem::FromItemData(draw->itemData)) {
    item->DrawItem(*draw);
    message.Result = TRUE;
  }
}

TForm* GetParentForm(const TControl& control) {
  for (const TControl* current = &control; current; current = current->Parent()) {
    if (auto* form = dynamic_cast<const TForm*>(current)) {
      return const_cast<TForm*>(form);
    }
  }
  return nullptr;
}

}  // namespace ui
