#pragma once

#include <string>
#include <vector>

namespace settings {

// What the text of a language-file key is given to.
enum class TextTarget {
  // The application's title: its taskbar text and message-box caption.
  kApplicationTitle,
  // The caption of the window the section is named after.
  kWindowCaption,
  // The caption of the named component of that window: a control, a
  // command (shown by every button and menu entry bound to it) or a menu
  // entry.
  kComponentCaption,
  // The header of a column of the named list view.
  kColumnHeader,
  // The main window's kept text named like the key; when a component is
  // named, that control shows the text at once as well.
  kKeptText,
};

// One key of a language file. The section is named after the window it
// serves (its component name); the texts are applied in the table's order.
struct LanguageKey {
  std::string section;
  std::string key;
  TextTarget target;
  // The component the text goes to; empty for the title and the caption.
  std::string component;
  // The text the target shows when the file lacks the key (or there is no
  // file): the program's own English, so that a lost or partial language
  // file never leaves placeholder names or the windows' built-in texts.
  std::string english;
  // For a column header: the column, counted from 0.
  int column = 0;
};

// Every key of the language files, in the order they are applied.
const std::vector<LanguageKey>& LanguageKeys();

}  // namespace settings
