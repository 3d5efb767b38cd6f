// VelkEncryptDecryptV2.exe: the second edition's window and nothing else.
#include "ui/form1.h"
#include "win32/program.h"

// The parameters named as winbase.h declares them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCmd) {
    return velk::win32::RunProgram<velk::ui::Form1>(hInstance, velk::ui::SecondEdition(), nShowCmd);
}
