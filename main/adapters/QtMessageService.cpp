#include "main/adapters/QtMessageService.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>

#include "main/adapters/QtText.h"
#include "platform/StringIds.h"

namespace {

QMessageBox::Icon ToQtIcon(CMessageService::Icon icon)
{
    switch (icon) {
        case CMessageService::Icon::Stop:
            return QMessageBox::Critical;
        case CMessageService::Icon::Information:
            return QMessageBox::Information;
        case CMessageService::Icon::Exclamation:
            return QMessageBox::Warning;
        case CMessageService::Icon::Question:
            return QMessageBox::Question;
        case CMessageService::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(CMessageService::Buttons buttons)
{
    switch (buttons) {
        case CMessageService::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case CMessageService::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case CMessageService::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case CMessageService::Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

CMessageService::Answer NoButtonAnswer(CMessageService::Buttons buttons)
{
    switch (buttons) {
        case CMessageService::Buttons::OkCancel:
        case CMessageService::Buttons::YesNoCancel:
            return CMessageService::Answer::Cancel;
        case CMessageService::Buttons::YesNo:
            return CMessageService::Answer::No;
        case CMessageService::Buttons::Ok:
            break;
    }
    return CMessageService::Answer::Ok;
}

}  // namespace

CMessageService::Answer CQtMessageService::MessageBox(const std::string& text, Icon icon, Buttons buttons,
                                                      const std::string& caption)
{
    const QString strCaption = caption.empty() ? CQtText::String(IDS_APP_NAME) : CQtText::ToQString(caption);
    QMessageBox box(ToQtIcon(icon), strCaption, CQtText::ToQString(text), ToQtButtons(buttons), m_pParent);
    box.setDefaultButton(buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? QMessageBox::Yes
                                                                                      : QMessageBox::Ok);
    // A question must not wear the wait cursor of the work that asks it.
    const bool bWaiting = m_WaitCursor.GetDepth() > 0;
    if (bWaiting)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    const int nResult = box.exec();
    if (bWaiting)
        QGuiApplication::restoreOverrideCursor();
    switch (nResult) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            break;
    }
    return NoButtonAnswer(buttons);
}
