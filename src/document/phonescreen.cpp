#include "phonescreen.h"

namespace PhoneScreen {

PageArea pageArea(const QByteArray &fullscreenMode)
{
    if (fullscreenMode == "0")
        return {25, 276};
    if (fullscreenMode == "1")
        return {0, 301};
    if (fullscreenMode == "2")
        return {0, 320};
    return {0, 0};
}

int backgroundHeight(const QByteArray &fullscreenMode)
{
    if (fullscreenMode == "1")
        return 301;
    if (fullscreenMode == "2")
        return 320;
    return 276;
}

}
