// VelkEncryptDecryptV2: the second edition's window and nothing else.
#include "qt/program.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
    return velk::qt::RunProgram<velk::ui::Form1>(velk::ui::SecondEdition(), argc, argv);
}
