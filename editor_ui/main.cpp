// The program quorvane-configurator: the Qt application and the editor's start-up.
#include <QApplication>
#include <clocale>

#include "app/CQuorvaneConfiguratorApp.h"

int main(int argc, char** argv)
{
    // Byte strings follow the user's locale, which also chooses the language of the texts.
    std::setlocale(LC_ALL, "");
    QApplication qtApp(argc, argv);
    CQuorvaneConfiguratorApp app;
    if (!app.InitInstance()) return 0;
    return QApplication::exec();
}
