// VelkEncryptDecryptV2: the second edition's window and nothing else.
#include "ui/form1.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    return velk::ui::RunProgram<velk::ui::Form1>(argc, argv);
}
