#include <iostream>

#include "app/cli.h"

int main(int argc, char** argv) {
  return daved::RunCommandLine(argc, argv, std::cout, std::cerr);
}
