// The program quorvane-configurator: the Qt application and the editor's start-up.
#include <QApplication>
#include <clocale>

#include "app/CQuorvaneConfiguratorApp.h"
#include "ui_text.h"

int main(int argc, char** argv)
{
    // Byte strings follow the user's locale: its code page decides what a character is.
    std::setlocale(LC_ALL, "");
    qvui::SetCodePageFromLocale();
    QApplication qtApp(argc, argv);
    CQuorvaneConfiguratorApp app;
    if (!app.InitInstance()) return 0;
    return QApplication::exec();
}
