#include "platform/qt/modal_loop.h"

#include <QEventLoop>
#include <QPointer>

void RunUntilFinished(QDialog& dialog, const std::function<void()>& afterShow)
{
    QEventLoop loop;
    bool finished = false;
    auto connection = QObject::connect(&dialog, &QDialog::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QPointer<QDialog> guard(&dialog);
    dialog.show();
    if (afterShow && !finished)
        afterShow();
    if (!finished)
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        QObject::disconnect(connection);
}
