// VelkEncryptDecrypt.exe: the classic edition's window and nothing else.
#include "classic/form1.h"
#include "win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return velk::win32::RunProgram<velk::classic::Form1>(instance, velk::classic::ClassicEdition(),
                                                         showCommand);
}
