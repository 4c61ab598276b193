#include <QApplication>

#include <cstdio>

#include "KelraApp.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    kelra::CKelraApp app;
    if (!app.InitInstance()) return 1;
    const int result = QApplication::exec();
    if (app.ExitInstance() != 0)
        std::fprintf(stderr, "Kelra: the recent persons could not be saved in the settings store.\n");
    return result;
}
