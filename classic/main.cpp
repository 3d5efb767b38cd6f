// VelkEncryptDecrypt: the classic edition's window and nothing else.
#include "classic/form1.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    return velk::ui::RunProgram<velk::classic::Form1>(argc, argv);
}
