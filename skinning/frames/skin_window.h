#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/component.h"
#include "skinning/frames/frame_picture.h"
#include "skinning/frames/title_bar_layout.h"
#include "skinning/painters/dib_buffer.h"
#include "skinning/painters/skin_control.h"
#include "ui/control.h"

namespace skinning {

class TvxSkinEngine;

// How a window came to the engine: a form of the program, or a dialog box
// (and any other window the program did not make).
enum class TvxWindowKind { kForm = 0, kDialog = 1 };

// One skinned top-level window. While the engine skins and the window's
// frame is allowed, it answers the non-client messages itself: it paints
// its title bar, caption, icon, caption buttons and borders from the skin,
// takes the skin's outline and shows its menus owner-drawn. It owns the
// painters attached to its controls.
class TvxSkinWindow : public base::TComponent {
 public:
  ~TvxSkinWindow() override;

  TvxSkinEngine& Engine() const { return engine_; }
  HWND Handle() const { return handle_; }
  TvxWindowKind Kind() const { return kind_; }
  // A form whose Tag is the engine's DisabledTag, and a window without a
  // caption, keep the system's frame.
  bool FrameAllowed() const { return frameAllowed_; }
  // The skin is on: the engine skins and the frame is allowed.
  bool FrameOn() const { return frameOn_; }
  bool Active() const { return active_; }

  // Attaches a painter to each control the class tables name.
  virtual void AttachControls() = 0;
  // Switches the skin on when the engine skins and the frame is allowed,
  // off otherwise; nothing when it is so already.
  void ApplySkin();
  // Off and on again, for a new skin: a window that stays on goes straight
  // to how switching it off and on would leave it.
  void Restyle();
  // Paints the frame now, through the frame buffer in one transfer.
  void PaintFrame();
  // Gives the window the skin's outline; rectangular when the skin shapes
  // neither the title bar nor the bottom border.
  void Reshape();

  // What the frame shows.
  virtual CaptionButtonSet Buttons() const;
  virtual bool ShowsIcon() const;
  bool IsDialog() const;
  virtual int MenuBarHeight() const { return 0; }
  HICON Icon() const;
  // The client area's top-left corner in window coordinates.
  POINT ClientOrigin() const;

  // The frame as last painted, and the state it was painted in.
  const DibBuffer& FrameBuffer() const { return frame_; }
  TitleHit HoverTarget() const { return hover_; }
  bool Pressed() const { return pressed_; }
  const CaptionButtonSet& DrawnButtons() const { return drawnButtons_; }
  const std::wstring& DrawnCaption() const { return drawnCaption_; }
  // Where the title bar's parts are for the window as it is now.
  TitleBarLayout TitleLayout() const;

  const std::vector<std::unique_ptr<TvxSkinControl>>& Painters() const { return painters_; }
  // Every painter adopts the skin's look, or the control's own, and its
  // control is painted again.
  void UpdatePainters();

  // The commands of the caption buttons and of the system menu.
  void Minimize();
  void MaximizeOrRestore();
  void Close();

 protected:
  TvxSkinWindow(TvxSkinEngine& engine, HWND handle, base::TComponent* owner, TvxWindowKind kind,
                int ownNonClientHeight);

  // The message handling of a skinned top-level window; `next` is the
  // window's own handler.
  void HandleMessage(ui::TMessage& message, const ui::TWndMethod& next);
  virtual void SkinOn() = 0;
  virtual void SkinOff() = 0;
  // From one skin to another while on; by default off and on.
  virtual void SkinAgain() {
    SkinOff();
    SkinOn();
  }
  // Messages a kind of window handles before the common handling; true
  // when the message is done with.
  virtual bool HandleOwnMessage(ui::TMessage& message, const ui::TWndMethod& next) = 0;
  // The window was resized while skinned.
  virtual void Resized() {}
  // The window is being destroyed.
  virtual void Destroyed() = 0;

  void AddPainter(std::unique_ptr<TvxSkinControl> painter);
  void RemovePainters() { painters_.clear(); }
  // Makes the system compute the frame again.
  void FrameChanged();
  // The rows of the title bar: the skin's title height, or the window's
  // own non-client height (saved when it was attached) when that is more.
  int TitleRows() const;
  // The size of the window whose skinned frame holds a client area of the
  // given size.
  SIZE SkinnedWindowSize(int clientWidth, int clientHeight) const;
  bool WindowExists() const { return IsWindow(handle_) != FALSE; }

  void SetFrameAllowed(bool allowed) { frameAllowed_ = allowed; }
  void SetFrameOn(bool on) { frameOn_ = on; }
  void RemoveShape();

  DWORD originalStyle_;
  DWORD originalExStyle_;

 private:
  FrameGeometry Geometry() const;
  TitleBarState TitleState(int width) const;
  // The frame's picture for the window as it is now, without caption
  // buttons, text and icon: what painting and shaping start from.
  struct ComposedFrame {
    FrameGeometry geometry;
    TitleBarLayout layout;
    std::wstring caption;  // shortened to fit
  };
  ComposedFrame ComposeFrame();
  void DrawCaptionAndIcon(const TitleBarLayout& layout, const std::wstring& caption);
  void PutFrameOnScreen();
  std::wstring CaptionText(const TitleBarLayout& layout, int& width) const;

  bool HandleFrameMessage(ui::TMessage& message, const ui::TWndMethod& next);
  void AfterFrameMessage(ui::TMessage& message);
  void CalcClientRect(RECT& rect) const;
  LRESULT HitTest(LPARAM screenPoint) const;
  TitleHit TitleHitAt(LPARAM screenPoint) const;
  void NonClientButtonDown(ui::TMessage& message, const ui::TWndMethod& next);
  void NonClientDoubleClick(ui::TMessage& message, const ui::TWndMethod& next);
  void NonClientMouseMove(LPARAM screenPoint);
  void NonClientButtonUp(LPARAM screenPoint);
  void SetHover(TitleHit hover, bool pressed);
  void ShowSystemMenuBelowIcon();
  void KeepMaximizedInWorkArea();
  void Act(TitleHit target);

  TvxSkinEngine& engine_;
  HWND handle_;
  TvxWindowKind kind_;
  int ownNonClientHeight_;
  bool frameAllowed_ = true;
  bool frameOn_ = false;
  bool active_ = false;
  TitleHit hover_ = TitleHit::kNone;
  bool pressed_ = false;
  TitleHit pressTarget_ = TitleHit::kNone;
  CaptionButtonSet drawnButtons_;
  std::wstring drawnCaption_;
  DibBuffer frame_;
  std::vector<image::Rect> shape_;
  bool tracksLeave_ = false;
  std::vector<std::unique_ptr<TvxSkinControl>> painters_;
};

}  // namespace skinning
