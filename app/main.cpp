#include "Tovenal_unit.h"

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    QGuiApplication::setApplicationName(QStringLiteral("Tovenal"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tovenal.Tovenal"));
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
