#include <windows.h>

#include "app/win/start/application.h"
#include "app/win/start/program_main.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return quorvela::win::ProgramMain(instance, quorvela::win::Application::staticClassInfo());
}
