// vellumo: the desktop program. It takes no command line.
#include "main/Application.h"
#include "main/Program.h"
#include "pictures/JpegStartup.h"

int main(int argc, char** argv) {
  // Qt reads options of its own from the command line; the program has none.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  TApplication application(qtArgc, qtArgv);
  StartJpegSupport();
  return RunProgram(application);
}
