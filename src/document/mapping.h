#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>

// Button command codes and label types as the launcher on the phone knows them.
namespace Mapping {

constexpr int CommandCount = 36;
// The commands whose argument is a page or popup, numbered from 1.
constexpr int SelectPageCommand = 101;
constexpr int ShowPopupCommand = 110;

// toPosition true: a command code to its list position, -1 when unknown.
// toPosition false: a list position to its code, -1 outside 0 to 35.
int mappCommand(int value, bool toPosition);
// Caption of the command at a list position; empty outside 0 to 35.
QString commandCaption(int position);

// The text the editor shows for a label of this type ("0" to "6"); for "0" the label's
// own text. `now` is the clock the current-time type reads.
QByteArray mappLabel(const QByteArray &type, const QByteArray &text, const QTime &now = QTime::currentTime());
// Caption of a label type in the label dialog; empty outside 0 to 6.
QString labelTypeCaption(int type);

}
