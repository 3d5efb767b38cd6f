// VelkEncryptDecryptV2.html: the second edition's window in a page.
#include "ui/form1.h"
#include "web/program.h"

int main() {
    return velk::web::StartProgram<velk::ui::Form1>(velk::ui::SecondEdition());
}
