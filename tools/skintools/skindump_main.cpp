#include <iostream>

#include "tools/skintools/skin_dump_command.h"

int main(int argc, char** argv) {
  return skintools::RunSkinDump({argv + 1, argv + argc}, std::cout, std::cerr);
}
