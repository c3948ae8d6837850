#include "mapping.h"

namespace Mapping {

namespace {

struct Command
{
    int code;
    const char *caption;
};

const Command commands[CommandCount] = {
    {101, "Select Velmora page"},
    {102, "Start application"},
    {103, "Show menu"},
    {104, "Lock screen"},
    {110, "Show popup"},
    {111, "Close current popup"},
    {201, "Close Velmora"},
    {202, "Minimize Velmora"},
    {203, "Close all apps"},
    {204, "Compact memory"},
    {205, "Open Infrared connection settings"},
    {206, "Open Bluetooth connection settings"},
    {207, "Open Cable connection settings"},
    {301, "New Call"},
    {302, "New SMS"},
    {303, "New Contact"},
    {304, "New Calendar entry"},
    {305, "New Todo"},
    {306, "New MMS"},
    {307, "New Email"},
    {308, "New Voice note"},
    {321, "Speed Dial"},
    {322, "Speed Sms"},
    {323, "Speed MMS"},
    {324, "Speed eMail"},
    {325, "Open webpage"},
    {326, "SpeedDial (EPA)"},
    {400, "Refresh current page"},
    {401, "Switch from complete screen to full screen"},
    {402, "Add shortcut"},
    {403, "Add note"},
    {410, "Show Fav menu"},
    {411, "Show Tasks menu"},
    {412, "Show Run menu"},
    {413, "Show New menu"},
    {414, "Show Uni menu"},
};

const char *const labelCaptions[] = {"Custom Text", "Current time", "Status line", "Free Memory",
                                     "Free C:",     "Free D:",      "Date"};
constexpr int LabelTypeCount = int(sizeof(labelCaptions) / sizeof(labelCaptions[0]));

} // namespace

int mappCommand(int value, bool toPosition)
{
    if (!toPosition)
        return value >= 0 && value < CommandCount ? commands[value].code : -1;
    for (int position = 0; position < CommandCount; ++position) {
        if (commands[position].code == value)
            return position;
    }
    return -1;
}

QString commandCaption(int position)
{
    return position >= 0 && position < CommandCount ? QString::fromLatin1(commands[position].caption) : QString();
}

QByteArray mappLabel(const QByteArray &type, const QByteArray &text, const QTime &now)
{
    if (type.size() != 1)
        return {};
    switch (type.at(0)) {
    case '0': return text;
    case '1': return now.toString(QStringLiteral("HH:mm")).toLatin1();
    case '2': return "Status";
    case '3': return "5432 kb";
    case '4':
    case '5': return "12345 kb";
    case '6': return "Date";
    default: return {};
    }
}

QString labelTypeCaption(int type)
{
    return type >= 0 && type < LabelTypeCount ? QString::fromLatin1(labelCaptions[type]) : QString();
}

}
