#pragma once

#include <QString>

// What an operation that can fail reports: ok, or a heading and a text for the user.
// The text names the file and, where one applies, the line. The core never shows a
// result; the shell turns it into a message.
class Result
{
public:
    // Ok.
    Result() = default;
    static Result failure(const QString &heading, const QString &text)
    {
        Result result;
        result.m_failed = true;
        result.m_heading = heading;
        result.m_text = text;
        return result;
    }

    bool ok() const { return !m_failed; }
    const QString &heading() const { return m_heading; }
    const QString &text() const { return m_text; }

private:
    bool m_failed = false;
    QString m_heading;
    QString m_text;
};
