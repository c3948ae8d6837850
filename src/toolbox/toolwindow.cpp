#include "toolwindow.h"

ToolWindow::ToolWindow(App &app, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_app(app)
{
}

void ToolWindow::placeBesideEditor()
{
}
