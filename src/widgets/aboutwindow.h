#pragma once

#include <QWidget>

class LinkLabel;
class QLabel;

// "About Morvanta": the logos, the version and a link to the home page.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(const QString &versionText, QWidget *parent = nullptr);

    QLabel *VersionText() const { return m_versionText; }
    LinkLabel *StaticText3() const { return m_link; }

signals:
    // The link caption was activated.
    void homePageRequested();

private:
    QLabel *addText(const QString &name, const QString &text, const QRect &geometry, int pointSize);
    void addLogo(const QString &name, const QImage &logo, const QRect &geometry);

    QLabel *m_versionText;
    LinkLabel *m_link;
};
