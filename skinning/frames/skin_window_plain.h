#pragma once

#include <memory>
#include <vector>

#include "skinning/engine/window_proc_link.h"
#include "skinning/frames/skin_window.h"

namespace skinning {

// A skinned window the program did not make: a message box or another
// system dialog box. Switching its skin on takes the system menu off its
// style and its menu off the window and sizes the window so that its
// client area keeps its size in the skinned frame; switching off gives it
// back its size and style. Its child windows get painters by their class.
class TvxSkinWindowWnd final : public TvxSkinWindow {
 public:
  TvxSkinWindowWnd(TvxSkinEngine& engine, HWND window, TvxWindowKind kind);
  ~TvxSkinWindowWnd() override;

  void AttachControls() override;
  // A close button shows only while the system menu lets the window close
  // (a Yes/No message box cannot be closed).
  CaptionButtonSet Buttons() const override;

 protected:
  void SkinOn() override;
  void SkinOff() override;
  bool HandleOwnMessage(ui::TMessage& message, const ui::TWndMethod& next) override;
  void Destroyed() override;

 private:
  static int OwnNonClientHeight(HWND window);
  void AttachChild(HWND child);
  // Dialog boxes and their child dialogs show the form colour behind
  // their texts.
  bool AnswerColor(ui::TMessage& message);

  HMENU menu_ = nullptr;
  // What the skinned frame added to the window's size.
  SIZE grownBy_{0, 0};
  std::vector<std::unique_ptr<SubclassLink>> childDialogs_;
  // Last: taken out first.
  std::unique_ptr<SubclassLink> link_;
};

}  // namespace skinning
