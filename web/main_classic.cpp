// VelkEncryptDecrypt.html: the classic edition's window in a page.
#include "classic/form1.h"
#include "web/program.h"

int main() {
    return velk::web::StartProgram<velk::classic::Form1>(velk::classic::ClassicEdition());
}
