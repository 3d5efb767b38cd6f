// VelkEncryptDecrypt.exe: the classic edition's window and nothing else.
#include "classic/form1.h"
#include "win32/program.h"

// The parameters named as winbase.h declares them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCmd) {
    return velk::win32::RunProgram<velk::classic::Form1>(hInstance, velk::classic::ClassicEdition(),
                                                         nShowCmd);
}
