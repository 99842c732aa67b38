#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "ui/application.h"
#include "ui/control.h"

namespace ui {

class TMainMenu;

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };

// The buttons of the title bar. Maximize is never shown on a dialog border.
struct TBorderIcons {
  bool systemMenu = true;
  bool minimize = true;
  bool maximize = true;

  // A window of fixed size: it can be minimised, not maximised.
  static TBorderIcons FixedSize() {
    TBorderIcons icons;
    icons.maximize = false;
    return icons;
  }
  // A dialog: the system menu and its close button alone.
  static TBorderIcons DialogOnly() {
    TBorderIcons icons;
    icons.minimize = false;
    icons.maximize = false;
    return icons;
  }
};

enum class TCloseAction { caNone, caHide };

// Modal results; the numbers are those of the message-box answers.
constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;
constexpr int mrYes = IDYES;
constexpr int mrNo = IDNO;

struct TFormOptions {
  std::string caption;
  int left = 0;
  int top = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  TBorderStyle borderStyle = TBorderStyle::bsSingle;
  TBorderIcons borderIcons;
  // The window class, registered on first use.
  std::string className = "TForm";
  // The client size and the controls' bounds follow the screen's setting
  // (see ToScreenPixels); a form that shows a picture of its own size keeps
  // its pixels.
  bool scaled = true;
};

// A top-level window at its design position with a fixed client size. It is
// made hidden; Hide keeps it for the next showing.
class TForm : public TControl {
 public:
  explicit TForm(const TFormOptions& options);
  ~TForm() override;

  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);

  // Fires OnCreate; CreateForm calls it once the form's controls are made.
  void DoCreate();
  void Show();
  void Hide();
  // Asks OnCloseQuery, then OnClose; unless refused, hides the form. Closing
  // the main form ends the program; closing a modal form sets the modal
  // result mrCancel.
  void Close();

  // Shows the form and runs a nested message loop until ModalResult is set
  // (by a button with a modal result, by code, or mrCancel from Close: the
  // close box, Alt+F4 or Escape without a cancel button). The other windows of the thread are
  // disabled meanwhile. Returns the modal result.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // The button that Enter presses.
  TControl* DefaultButton() const { return defaultButton_; }
  void SetDefaultButton(TControl* button) { defaultButton_ = button; }
  // The button Escape presses; without one, Escape closes a modal form.
  TControl* CancelButton() const { return cancelButton_; }
  void SetCancelButton(TControl* button) { cancelButton_ = button; }

  TMainMenu* Menu() const { return menu_; }

  base::TNotifyEvent OnCreate;
  // Fired each time the form is shown, the first time included, before it
  // becomes visible. A handler that shows the window itself (an animation)
  // does not fire it again.
  base::TNotifyEvent OnShow;
  // Asked first when the form is to close; clearing canClose keeps it open.
  std::function<void(base::TComponent* sender, bool& canClose)> OnCloseQuery;
  std::function<void(base::TComponent* sender, TCloseAction& action)> OnClose;

 protected:
  void WndProc(TMessage& message) override;

 private:
  friend class TMainMenu;
  class ModalScope;

  void AttachMenu(TMainMenu* menu);
  // Applies the set client size again: the menu bar's height changes as its
  // entries come and go, and the client area must not shrink with it.
  void KeepClientSize() { SetClientSize(clientWidth_, clientHeight_); }
  bool CloseQuery();
  void Activated(TMessage& message);
  void RouteMenuMessage(TMessage& message);

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int modalResult_ = mrNone;
  bool modal_ = false;
  bool showing_ = false;
  TControl* defaultButton_ = nullptr;
  TControl* cancelButton_ = nullptr;
  TMainMenu* menu_ = nullptr;
  HWND focused_ = nullptr;
};

// The form a control is placed on, or nullptr.
TForm* GetParentForm(const TControl& control);

// Makes a form, fires its OnCreate and, when no main form exists yet, makes
// it the main form.
template <class T, class... Args>
std::unique_ptr<T> CreateForm(Args&&... args) {
  auto form = std::make_unique<T>(std::forward<Args>(args)...);
  if (!Application().MainForm()) {
    Application().SetMainForm(form.get());
  }
  form->DoCreate();
  return form;
}

}  // namespace ui
