#include "ui/Application.h"

#include <QApplication>
#include <QMainWindow>

namespace ranvik {

int RunApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.show();
    return app.exec();
}

} // namespace ranvik
