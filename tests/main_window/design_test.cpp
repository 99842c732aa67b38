#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "ui/application.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;

base::TComponent* FindNamed(const base::TComponent& owner, const std::string& name) {
  for (int index = 0; index < owner.ComponentCount(); ++index) {
    base::TComponent* component = owner.Component(index);
    if (component->Name() == name) {
      return component;
    }
    if (base::TComponent* found = FindNamed(*component, name)) {
      return found;
    }
  }
  return nullptr;
}

// What a component shows before the language file is applied: the text of
// a control, an action or a menu entry, the caption of a list's column, or
// a drop-down list's items and selection.
struct Shown {
  std::string text;
  Names items;
  int itemIndex = -1;

  bool operator==(const Shown& other) const {
    return text == other.text && items == other.items && itemIndex == other.itemIndex;
  }
};

void PrintTo(const Shown& shown, std::ostream* out) {
  *out << "\"" << shown.text << "\" " << testing::PrintToString(shown.items) << " "
       << shown.itemIndex;
}

Shown ShownBy(base::TComponent* component) {
  Shown shown;
  if (auto* list = dynamic_cast<ui::TComboBox*>(component)) {
    for (int index = 0; index < list->ItemCount(); ++index) {
      shown.items.push_back(list->Item(index));
    }
    shown.itemIndex = list->ItemIndex();
  } else if (auto* view = dynamic_cast<ui::TListView*>(component)) {
    shown.text = view->ColumnCaption(0);
  } else if (auto* control = dynamic_cast<ui::TControl*>(component)) {
    shown.text = control->Caption();
  } else if (auto* action = dynamic_cast<ui::TAction*>(component)) {
    shown.text = action->Caption();
  } else if (auto* entry = dynamic_cast<ui::TMenuItem*>(component)) {
    shown.text = entry->Caption();
  }
  return shown;
}

// The window as it is made, against the design-time texts, the fixed items
// of the six settings lists and their default selections.
TEST(DesignTest, TheWindowShowsTheDesignTimeTextsItemsAndSelections) {
  ui::Application().Initialize();
  app::TfrmMain form(conversion::CommandLineFolders{"C:\\windows\\system32\\", "C:\\temp\\"});
  form.DoCreate();
  const std::pair<const char*, Shown> rows[] = {
      {"listViewFiles", {"文件列表"}},
      {"groupBoxStatus", {"进度"}},
      {"labelCurrentDecrption", {"当前操作描述"}},
      {"labelCurrentProgress", {"当前文件进度"}},
      {"labelCurrentInfo", {"准备就绪"}},
      {"groupBoxSettings", {"设置"}},
      {"GroupBoxSettingsVideo", {"视频选项"}},
      {"labelVideoBitrate", {"Video Bitrate"}},
      {"labelFrameRate", {"Frame Rate"}},
      {"labelVideoSize", {"Video Size"}},
      {"GroupBoxSettingsAudio", {"音频选项"}},
      {"labelAudioBitrate", {"Audio Bitrate"}},
      {"labelSampleRate", {"Sample Rate"}},
      {"labelChannel", {"Channel"}},
      {"groupBoxOutput", {"输出"}},
      {"labelOutput", {"输出目录"}},
      {"editOutputFolder", {"C:\\"}},
      {"N_1", {"文件"}},
      // Buttons show their actions' captions.
      {"buttonAdd", {"Add"}},
      {"buttonDelete", {"Remove"}},
      {"buttonClearAll", {"ClearAll"}},
      {"buttonMoveUp", {"MoveUp"}},
      {"buttonMoveDown", {"MoveDown"}},
      {"BitBtnOutput", {"ActionSetDirectory"}},
      {"buttonConvert", {"ConvertNow"}},
      {"ActionExit", {"ActionExit"}},
      {"ActionFileBatchAdd", {"ActionFileBatchAdd"}},
      {"comboBoxVideoBitrate", {"", {"40", "80", "120", "256", "512"}, 2}},
      {"comboBoxFrameRate", {"", {"14.985", "23.975", "25.000", "29.970"}, 0}},
      {"comboBoxVideoSize", {"", {"128x96", "176x144", "352x288", "704x576", "1408x1152"}, 1}},
      {"comboBoxAudioBitrate",
       {"",
        {"12K", "16K", "20K", "24K", "32K(near FM radio)", "40K", "48K(FM radio)", "56K",
         "64K(Better than FM radio)", "80K", "96K(near CD quality)", "112K", "128K(CD quality)",
         "160K", "192K(Better than CD)", "224K", "256K", "320K"},
        4}},
      {"comboBoxSampleRate", {"", {"8000"}, 0}},
      {"comboBoxChannel", {"", {"1 - Mono"}, 0}},
  };
  for (const auto& [name, expected] : rows) {
    base::TComponent* component = FindNamed(form, name);
    ASSERT_TRUE(component) << name;
    EXPECT_EQ(expected, ShownBy(component)) << name;
  }
}

}  // namespace
}  // namespace main_window_test
