#include <windows.h>

#include "app/win/framework/program_main.h"
#include "app/win/program/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return quorvela::win::ProgramMain(instance, quorvela::win::Application::staticClassInfo());
}
