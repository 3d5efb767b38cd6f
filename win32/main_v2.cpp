// VelkEncryptDecryptV2.exe: the second edition's window and nothing else.
#include "ui/form1.h"
#include "win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return velk::win32::RunProgram<velk::ui::Form1>(instance, velk::ui::SecondEdition(),
                                                    showCommand);
}
