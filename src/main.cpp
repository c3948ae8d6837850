#include "app/app.h"
#include "morvantaversion.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvanta"));
    QApplication::setApplicationVersion(QLatin1String(MorvantaVersion::Text));
    App app;
    app.Open();
    return application.exec();
}
