#pragma once

#include <QLabel>
#include <QString>

// A label element on the phone view: a static text in the system font at the label's
// size, colour, alignment and weight. It knows which label it shows (identifier "Lab"
// or "PLab" and its slot).
class MyStaticText : public QLabel
{
    Q_OBJECT

public:
    enum class Alignment { Left = 0, Centre = 1, Right = 2 };

    MyStaticText(const QString &identifier, int slot, QWidget *parent);

    QString identifier() const { return m_identifier; }
    int slot() const { return m_slot; }
    QString shownText() const { return text(); }

    // pixelSize below 1 is raised to 1.
    void setTextStyle(int pixelSize, const QColor &color, Alignment alignment, bool bold);
    QColor textColor() const;

private:
    QString m_identifier;
    int m_slot;
};
