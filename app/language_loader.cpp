#include "app/language_loader.h"

#include <optional>

#include "base/ascii_case.h"
#include "settings/ini_file.h"
#include "settings/language_keys.h"
#include "settings/language_set.h"
#include "ui/action.h"
#include "ui/application.h"
#include "ui/list_view.h"
#include "ui/menu.h"

namespace app {

namespace {

ui::TForm* WindowForSection(const LanguageTargets& targets, const std::string& section) {
  for (ui::TForm* window : targets.windows) {
    if (window && base::EqualIgnoringAsciiCase(window->Name(), section)) {
      return window;
    }
  }
  return nullptr;
}

void SetComponentCaption(base::TComponent* component, const std::string& text) {
  if (auto* action = dynamic_cast<ui::TAction*>(component)) {
    action->SetCaption(text);
  } else if (auto* item = dynamic_cast<ui::TMenuItem*>(component)) {
    item->SetCaption(text);
  } else if (auto* control = dynamic_cast<ui::TControl*>(component)) {
    control->SetCaption(text);
  }
}

void Apply(const settings::LanguageKey& key, const std::string& text,
           const LanguageTargets& targets) {
  using settings::TextTarget;
  if (key.target == TextTarget::kApplicationTitle) {
    ui::Application().SetTitle(text);
    return;
  }
  ui::TForm* window = WindowForSection(targets, key.section);
  if (!window) {
    return;
  }
  base::TComponent* component =
      key.component.empty() ? nullptr : window->FindNestedComponent(key.component);
  switch (key.target) {
    case TextTarget::kWindowCaption:
      window->SetCaption(text);
      break;
    case TextTarget::kComponentCaption:
      SetComponentCaption(component, text);
      break;
    case TextTarget::kColumnHeader:
      if (auto* list = dynamic_cast<ui::TListView*>(component)) {
        list->SetColumnCaption(key.column, text);
      }
      break;
    case TextTarget::kKeptText:
      if (std::string* kept = targets.keptText ? targets.keptText(key.key) : nullptr) {
        *kept = text;
      }
      SetComponentCaption(component, text);
      break;
    case TextTarget::kApplicationTitle:
      break;
  }
}

}  // namespace

void ApplyLanguageFile(const std::string& fileName, const LanguageTargets& targets) {
  const settings::IniFile file(fileName, settings::LanguageFileCodePage(fileName));
  for (const settings::LanguageKey& key : settings::LanguageKeys()) {
    Apply(key, file.ReadValue(key.section, key.key).value_or(key.english), targets);
  }
}

}  // namespace app
