#include "skinning/engine/skin_engine.h"

#include <algorithm>
#include <stdexcept>

#include "base/ascii_case.h"
#include "base/path_text.h"
#include "skinning/engine/skin_file_search.h"
#include "skinning/engine/window_hook.h"
#include "skinning/engine/window_messages.h"
#include "skinning/frames/skin_window_form.h"
#include "skinning/frames/skin_window_plain.h"
#include "skinning/menus/skin_menu_bar.h"
#include "skinning/menus/skin_menus.h"
#include "skinning/painters/dib_buffer.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/deferred_release.h"
#include "win/system_folders.h"
#include "win/window_list.h"
#include "win/window_text.h"

namespace skinning {

namespace {

constexpr char kNotOnFormText[] = "Must be placed on a Form";
constexpr char kSecondEngineText[] = "One form can only catch one TvxSkinEngine!";
constexpr char kBuiltInText[] = "BuiltIn property only can be specified at design time!";

// Classes of dialog boxes, skinned as they become active while SkinDialogs
// is on; classes of forms skinned as they become active.
constexpr const char* kDialogClasses[] = {"#32770"};
constexpr const char* kFormClasses[] = {"TForm", "TSelectDirDlg"};
// A form class the skin-all-forms pass leaves alone.
constexpr char kPopupNoticeClass[] = "TfrmMSNPopForm";

// A size grip in its own scroll bar; the skinned frames have none.
constexpr DWORD kSizeGripStyle = 0x10;
constexpr DWORD kNoParentNotify = WS_EX_NOPARENTNOTIFY;

// System menu items by position: minimize, maximize or restore, a
// separator, close.
constexpr int kMinimizeItem = 0;
constexpr int kMaximizeItem = 1;
constexpr int kCloseItem = 3;

ui::TForm& RequireForm(ui::TForm* owner) {
  if (!owner) {
    throw std::runtime_error(kNotOnFormText);
  }
  return *owner;
}

template <size_t N>
bool IsOneOf(const std::string& name, const char* const (&names)[N]) {
  return std::any_of(std::begin(names), std::end(names),
                     [&name](const char* candidate) { return name == candidate; });
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win::Utf8ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The program's forms: the top-level windows of this thread that are ours.
std::vector<ui::TForm*> ThreadForms() {
  std::vector<ui::TForm*> forms;
  for (HWND window : win::ThreadWindows()) {
    if (auto* form = dynamic_cast<ui::TForm*>(ui::TControl::FromHandle(window))) {
      forms.push_back(form);
    }
  }
  return forms;
}

win::UniqueFont FontOf(const LOGFONTW& description) {
  return win::UniqueFont(CreateFontIndirectW(&description));
}

}  // namespace

TvxSkinEngine::TvxSkinEngine(ui::TForm* owner)
    : base::TComponent(owner), form_(RequireForm(owner)), reader_(tempNames_) {
  for (int i = 0; i < form_.ComponentCount(); ++i) {
    auto* other = dynamic_cast<TvxSkinEngine*>(form_.Component(i));
    if (other && other != this) {
      throw std::runtime_error(kSecondEngineText);
    }
  }
  reader_.SetChangeHandler([this] { SkinChanged(); });
  metrics_ = ReadSkinMetrics(reader_);
  formBrush_ = SolidBrush(ui::clBtnFace);
  CreateFonts();
  BuildSystemMenu();
  hooks_ = InstallWindowHook(*this);
}

// Every window goes back to its own look before the engine goes.
TvxSkinEngine::~TvxSkinEngine() {
  if (hooks_) {
    RemoveWindowHook(*this);
  }
  while (!windows_.empty()) {
    FreeWindow(*windows_.back());
  }
}

// A window switches its skin off and takes its painters away as it goes,
// and leaves the list.
void TvxSkinEngine::FreeWindow(TvxSkinWindow& window) {
  auto own = std::find_if(ownWindows_.begin(), ownWindows_.end(),
                          [&window](const auto& owned) { return owned.get() == &window; });
  if (own == ownWindows_.end()) {
    delete &window;  // a form's, which takes it out of the form's components
    return;
  }
  std::unique_ptr<TvxSkinWindow> going = std::move(*own);
  ownWindows_.erase(own);
}

void TvxSkinEngine::CreateFonts() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  captionFont_ = FontOf(metrics.lfCaptionFont);
  menuFont_ = FontOf(metrics.lfMenuFont);
  metrics.lfMenuFont.lfWeight = FW_BOLD;
  boldMenuFont_ = FontOf(metrics.lfMenuFont);
}

void TvxSkinEngine::BuildSystemMenu() {
  systemMenu_ = new ui::TPopupMenu(this);
  systemMenu_->SetName("vxSystemMenu");
  auto item = [this](const std::string& caption, int position) {
    new ui::TMenuItem(&systemMenu_->Items(),
                      {caption, "", nullptr,
                       [this, position](base::TComponent*) { SystemMenuCommand(position); }});
  };
  item(resSysMenuMin_, kMinimizeItem);
  item(resSysMenuMax_, kMaximizeItem);
  new ui::TMenuItem(&systemMenu_->Items(), {"-"});
  item(resSysMenuClose_, kCloseItem);
  OwnerDrawMenu(*this, *systemMenu_);
}

void TvxSkinEngine::SetResSysMenuMin(std::string caption) {
  resSysMenuMin_ = std::move(caption);
  systemMenu_->Items().Item(kMinimizeItem)->SetCaption(resSysMenuMin_);
}

void TvxSkinEngine::SetResSysMenuMax(std::string caption) {
  resSysMenuMax_ = std::move(caption);
  systemMenu_->Items().Item(kMaximizeItem)->SetCaption(resSysMenuMax_);
}

void TvxSkinEngine::SetResSysMenuClose(std::string caption) {
  resSysMenuClose_ = std::move(caption);
  systemMenu_->Items().Item(kCloseItem)->SetCaption(resSysMenuClose_);
}

void TvxSkinEngine::SetBuiltIn(bool) {
  throw std::runtime_error(kBuiltInText);
}

void TvxSkinEngine::Loaded() {
  AttachWindow(form_.Handle(), TvxWindowKind::kForm);
}

void TvxSkinEngine::SetActive(bool active) {
  if (active == active_) {
    return;
  }
  active_ = active;
  RefreshWindows();
}

void TvxSkinEngine::SetDrawScrollBar(bool draw) {
  if (draw == drawScrollBar_) {
    return;
  }
  drawScrollBar_ = draw;
  for (TvxSkinWindow* window : windows_) {
    window->UpdatePainters();
  }
}

void TvxSkinEngine::SetSkinFile(const std::string& value) {
  const std::string path = FindSkinFile(
      value,
      {base::ExtractFilePath(win::ExecutablePath()), win::WindowsFolder(), win::SystemFolder()},
      FileExists);
  if (path.empty()) {
    return;
  }
  skinFile_ = path;
  try {
    reader_.Load(path, password_);
  } catch (const std::exception&) {
    // No skin now: the windows go back to their own look and stay usable.
    skinFile_.clear();
    metrics_ = ReadSkinMetrics(reader_);
    RefreshWindows();
    throw;
  }
}

void TvxSkinEngine::SetSkinAllForms(bool skinAll) {
  skinAllForms_ = skinAll;
  if (skinAll) {
    AttachAllForms();
  } else {
    DetachAllButOwner();
  }
}

void TvxSkinEngine::SkinChanged() {
  metrics_ = ReadSkinMetrics(reader_);
  formBrush_ =
      SolidBrush(image::IsPlainColor(metrics_.formColor) ? metrics_.formColor : ui::clBtnFace);
  scrollButtons_.SetReader(&reader_);
  progressBars_.SetReader(&reader_);
  tabs_.SetReader(&reader_);
  const std::vector<TvxSkinWindow*> windows = windows_;
  for (TvxSkinWindow* window : windows) {
    if (active_) {
      window->Restyle();
    }
    if (Skinning()) {
      window->Reshape();
      window->PaintFrame();
    }
  }
  if (active_ && !windows.empty()) {
    HWND first = windows.front()->Handle();
    if (IsWindowVisible(first) && IsWindowEnabled(first)) {
      SetActiveWindow(first);
    }
  }
  if (OnSkinChanged) {
    OnSkinChanged(this);
  }
}

void TvxSkinEngine::RefreshWindows() {
  const std::vector<TvxSkinWindow*> windows = windows_;
  for (TvxSkinWindow* window : windows) {
    window->ApplySkin();
  }
}

TvxSkinWindow* TvxSkinEngine::FindSkinWindow(HWND window) const {
  auto found = std::find_if(windows_.begin(), windows_.end(), [window](TvxSkinWindow* skinned) {
    return skinned->Handle() == window;
  });
  return found == windows_.end() ? nullptr : *found;
}

TvxSkinWindow* TvxSkinEngine::AttachWindow(HWND window, TvxWindowKind kind) {
  if (TvxSkinWindow* existing = FindSkinWindow(window)) {
    return existing;
  }
  TvxSkinWindow* skinned = nullptr;
  auto* form = dynamic_cast<ui::TForm*>(ui::TControl::FromHandle(window));
  if (form && form != &form_) {
    skinned = new TvxSkinWindowVCL(*this, *form, form);
  } else {
    std::unique_ptr<TvxSkinWindow> owned;
    if (form) {
      owned = std::make_unique<TvxSkinWindowVCL>(*this, *form, nullptr);
    } else {
      owned = std::make_unique<TvxSkinWindowWnd>(*this, window, kind);
    }
    skinned = owned.get();
    ownWindows_.push_back(std::move(owned));
  }
  windows_.push_back(skinned);
  skinned->AttachControls();
  skinned->ApplySkin();
  return skinned;
}

void TvxSkinEngine::WindowGone(TvxSkinWindow& window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
  if (systemMenuTarget_ == &window) {
    systemMenuTarget_ = nullptr;
  }
}

void TvxSkinEngine::ReleaseWindow(TvxSkinWindow& window) {
  auto own = std::find_if(ownWindows_.begin(), ownWindows_.end(),
                          [&window](const auto& owned) { return owned.get() == &window; });
  if (own == ownWindows_.end()) {
    return;
  }
  std::shared_ptr<TvxSkinWindow> going(own->release());
  ownWindows_.erase(own);
  WindowGone(window);
  win::ReleaseWhenIdle([going]() mutable { going.reset(); });
}

bool TvxSkinEngine::AnswersSkinned(HWND window) const {
  return SendMessageW(window, kMsgIsSkinned, 0, 0) != 0;
}

void TvxSkinEngine::OwnerFormShown() {
  if (allFormsAttached_ || !skinAllForms_ || ui::Application().MainForm() != &form_) {
    return;
  }
  allFormsAttached_ = true;
  AttachAllForms();
}

void TvxSkinEngine::AttachAllForms() {
  for (ui::TForm* form : ThreadForms()) {
    if (IsDisabledTag(form->Tag()) || win::ClassNameOf(form->Handle()) == kPopupNoticeClass ||
        AnswersSkinned(form->Handle())) {
      continue;
    }
    AttachWindow(form->Handle(), TvxWindowKind::kForm);
  }
}

void TvxSkinEngine::DetachAllButOwner() {
  const std::vector<TvxSkinWindow*> windows = windows_;
  for (TvxSkinWindow* window : windows) {
    if (window->Handle() != form_.Handle()) {
      FreeWindow(*window);
    }
  }
}

bool TvxSkinEngine::WindowCreating(HWND window, const CREATESTRUCTW& create) {
  if (!Skinning()) {
    return false;
  }
  return (create.style & kSizeGripStyle) && create.dwExStyle != kNoParentNotify &&
         base::EqualIgnoringAsciiCase(win::ClassNameOf(window), "SCROLLBAR");
}

void TvxSkinEngine::WindowActivating(HWND window) {
  if (!Skinning()) {
    return;
  }
  const std::string name = win::ClassNameOf(window);
  if (IsOneOf(name, kDialogClasses)) {
    if (skinDialogs_ && !AnswersSkinned(window)) {
      AttachWindow(window, TvxWindowKind::kDialog);
    }
  } else if (IsOneOf(name, kFormClasses) && !AnswersSkinned(window)) {
    AttachWindow(window, TvxWindowKind::kForm);
  }
}

void TvxSkinEngine::RouteMenuKey(MSG& message) {
  if (message.message != WM_SYSCHAR || !(HIWORD(message.lParam) & KF_ALTDOWN) || !Skinning()) {
    return;
  }
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  auto* window = dynamic_cast<TvxSkinWindowVCL*>(FindSkinWindow(root));
  TvxSkinMenuBar* bar = window && window->FrameOn() ? window->MenuBar() : nullptr;
  const auto key = static_cast<wchar_t>(message.wParam);
  if (root == message.hwnd || !bar || !bar->Visible() || !bar->HasKey(key)) {
    return;
  }
  message.hwnd = root;
  message.message = WM_SYSCOMMAND;
  message.wParam = SC_KEYMENU;
  message.lParam = key;
}

void TvxSkinEngine::ShowSystemMenu(TvxSkinWindow& target, POINT at) {
  const CaptionButtonSet& drawn = target.DrawnButtons();
  systemMenu_->Items().Item(kMinimizeItem)->SetEnabled(drawn.minimize);
  systemMenu_->Items().Item(kMaximizeItem)->SetEnabled(drawn.maximize);
  systemMenu_->Items().Item(kCloseItem)->SetEnabled(drawn.close);
  systemMenuTarget_ = &target;
  systemMenu_->Popup(at.x, at.y, target.Handle());
  systemMenuTarget_ = nullptr;
}

void TvxSkinEngine::SystemMenuCommand(int item) {
  if (!systemMenuTarget_) {
    return;
  }
  switch (item) {
    case kMinimizeItem:
      systemMenuTarget_->Minimize();
      break;
    case kMaximizeItem:
      systemMenuTarget_->MaximizeOrRestore();
      break;
    case kCloseItem:
      systemMenuTarget_->Close();
      break;
  }
}

}  // namespace skinning
