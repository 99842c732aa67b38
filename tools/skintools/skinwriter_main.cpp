#include <iostream>

#include "tools/skintools/skin_writer_command.h"

int main(int argc, char** argv) {
  return skintools::RunSkinWriter({argv + 1, argv + argc}, std::cerr);
}
