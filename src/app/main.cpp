#include "app_translations.h"
#include "high_dpi.h"
#include "mainwindow.h"
#include "store.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ensure_image();
    enable_high_dpi();
    int exitCode;
    {
        QApplication app(argc, argv);
        install_translations(app);
        MainWindow window;
        window.show();
        exitCode = app.exec();
    }
    return exitCode;
}
