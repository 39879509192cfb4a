#include "Tovenal_unit.h"

int main(int argc, char* argv[]) {
    try {
        Application->Initialize(argc, argv);
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (...) {
        Application->ShowException(Exception(QString()));
    }
    Application->Shutdown();
    return 0;
}
