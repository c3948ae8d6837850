#pragma once

#include <QByteArray>

// Numbers in the model are texts as the skin files hold them.
namespace NumberText {

// The leading decimal number of a text (after optional blanks and a sign), 0 when
// there is none; saturates at the int limits instead of overflowing.
int val(const QByteArray &text);

}
