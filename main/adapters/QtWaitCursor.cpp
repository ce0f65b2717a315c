#include "main/adapters/QtWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

CQtWaitCursor::~CQtWaitCursor()
{
    if (m_nDepth > 0)
        QGuiApplication::restoreOverrideCursor();
}

void CQtWaitCursor::Begin()
{
    if (m_nDepth++ == 0)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void CQtWaitCursor::End()
{
    if (m_nDepth == 0)
        return;
    if (--m_nDepth == 0)
        QGuiApplication::restoreOverrideCursor();
}
