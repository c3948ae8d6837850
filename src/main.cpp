#include "app/app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvanta"));
    QApplication::setApplicationVersion(QStringLiteral(MORVANTA_VERSION));
    App app;
    app.Open();
    return application.exec();
}
