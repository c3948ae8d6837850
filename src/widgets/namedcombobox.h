#pragma once

#include <QComboBox>

// A combo box that screen readers, and test robots, find by its accessible name. On
// Linux Qt's own combo box gives its current text as its name, so a list of zoom steps
// would be called "100 %" rather than "Zoom".
class NamedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit NamedComboBox(const QString &accessibleName, QWidget *parent = nullptr);
};
