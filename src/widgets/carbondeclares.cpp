#include "carbondeclares.h"

#include <QWidget>

namespace CarbonDeclares {

void SetWindowModified(QWidget *window, bool modified)
{
    if (window)
        window->setWindowModified(modified);
}

void SmoothResize(QWidget *window, int width, int height, int)
{
    if (window)
        window->resize(width, height);
}

}
