#include <QApplication>

#include "KelraApp.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    kelra::CKelraApp app;
    if (!app.InitInstance()) return 1;
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
