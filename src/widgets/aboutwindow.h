#pragma once

#include <QWidget>

class QLabel;

// "About Morvanta": the logos, the version and a link to the home page.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(const QString &versionText, QWidget *parent = nullptr);

    QLabel *VersionText() const { return m_versionText; }
    QLabel *StaticText3() const { return m_link; }

    static QColor linkColor();
    static QColor linkHoverColor();

signals:
    // The link caption was clicked.
    void homePageRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addText(const QString &name, const QString &text, const QRect &geometry, int pointSize);
    void addLogo(const QString &name, const QImage &logo, const QRect &geometry);
    void setLinkColor(const QColor &color);

    QLabel *m_versionText;
    QLabel *m_link;
};
