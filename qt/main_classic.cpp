// VelkEncryptDecrypt: the classic edition's window and nothing else.
#include "classic/form1.h"
#include "qt/program.h"

int main(int argc, char* argv[]) {
    return velk::qt::RunProgram<velk::classic::Form1>(velk::classic::ClassicEdition(), argc, argv);
}
