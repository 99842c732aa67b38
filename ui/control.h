#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "base/component.h"
#include "ui/graphics.h"

namespace ui {

class TPopupMenu;

// One window message on its way through a control's window-procedure chain.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// A link of the chain. Whoever installs one keeps the previous WindowProc
// and passes the messages it does not take on to it.
using TWndMethod = std::function<void(TMessage& message)>;

// Notifications that a parent reflects to the child control they come from,
// so every control handles its own: CN_BASE plus the original message.
constexpr UINT CN_BASE = WM_APP + 0x3000;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

struct TBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// How a control's window is made: its window class and styles. WS_CHILD,
// WS_VISIBLE and WS_CLIPSIBLINGS are added for every control with a parent.
struct TWindowClass {
  const wchar_t* name;
  DWORD style = 0;
  DWORD exStyle = 0;
};

// A control: a window of its own, owned and placed in a parent control, with
// bounds, caption, enabled and visible state, colour and font. Every message
// of the window goes through WindowProc, which starts as the control's own
// WndProc and ends in the procedure of the window class; painters can be put
// in front of it. A window of our own class routes its messages here from
// WM_NCCREATE on; a window of a system class is subclassed through the
// common controls right after it is made, the control in the subclass data.
class TControl : public base::TComponent {
 public:
  ~TControl() override;

  HWND Handle() const { return handle_; }
  TControl* Parent() const { return parent_; }
  // The control that owns a window of this layer, or nullptr.
  static TControl* FromHandle(HWND window);

  // Position within the parent's client area (for a form: on the screen).
  int Left() const { return Bounds().left; }
  int Top() const { return Bounds().top; }
  int Width() const { return Bounds().width; }
  int Height() const { return Bounds().height; }
  TBounds Bounds() const;
  void SetBounds(const TBounds& bounds);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  // Brush for the control's background in its own colour.
  HBRUSH ColorBrush();

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  // The chain every message of the window goes through.
  const TWndMethod& WindowProc() const { return windowProc_; }
  void SetWindowProc(TWndMethod windowProc) { windowProc_ = std::move(windowProc); }
  // Sends a message through WindowProc at once and returns its result.
  LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

 protected:
  // Makes the window at once. parent is nullptr for a top-level window,
  // whose class must route its messages to WindowTrampoline.
  TControl(TControl* parent, const TWindowClass& windowClass, const TBounds& bounds,
           const std::string& caption, HWND ownerWindow = nullptr);

  // The control's own handling; what it does not handle goes to
  // DefaultHandler. Overrides call the base for messages they leave alone.
  virtual void WndProc(TMessage& message);
  // The procedure of the window class (or DefWindowProc for our own class).
  void DefaultHandler(TMessage& message);
  // Answers WM_ERASEBKGND by filling the client area with Color.
  void EraseWithColor(TMessage& message);
  // The control and the controls made on it later keep the sizes they are
  // given in pixels, whatever the screen's setting (see ToScreenPixels).
  void KeepDesignPixels() { scaled_ = false; }
  bool Scaled() const { return scaled_; }

  static LRESULT CALLBACK WindowTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR control);
  LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Bind(HWND window);
  void Unbind();
  void LetGo();
  bool ReflectToChild(TMessage& message);
  void AnswerControlColor(TMessage& message);
  void ShowPopupMenu(TMessage& message);

  TControl* parent_;
  // The layout follows the screen's setting; as the parent's.
  bool scaled_;
  HWND handle_ = nullptr;
  // For a subclassed window of a system class: the class's procedure.
  WNDPROC classProc_ = nullptr;
  TWndMethod windowProc_;
  TColor color_;
  TFont font_;
  win::UniqueBrush colorBrush_;
  TPopupMenu* popupMenu_ = nullptr;
};

}  // namespace ui
