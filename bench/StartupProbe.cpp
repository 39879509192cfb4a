// The program started as its entry starts it, reporting when its first completed pass has been
// painted on the window, then quitting.
#include "FirstPaint.h"
#include "Language.h"
#include "PassPublisher.h"
#include "Tovenal_unit.h"

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    QGuiApplication::setApplicationName(QStringLiteral("Tovenal"));
    Application->Initialize(argc, argv);
    // Russian, as the entry starts at first, or the language of the first argument ("en").
    loadLanguage(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ru"));
    Application->CreateForm(Form1);
    QuitAfterFirstPaint watcher(Form1->widget(), [] { return Form1->passes().count() > 0; });
    Application->Run();
    Application->Shutdown();
    return 0;
}
